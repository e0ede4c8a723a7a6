#include "support/bench.h"

#include "link/protocol.h"
#include "support/dateien.h"

Bench::Bench(const QByteArray& eeprom)
    : sim(clock, eeprom), session(sim.port, clock, dialogs) {
    session.texts = nummerierteTexte();
    session.language = Sprache::Deutsch;
    session.settings.Portname = QStringLiteral("Com1");
    session.settings.Portnummer = 1;
    session.settings.einheit = {QStringLiteral("kg/h"), 1.0, QStringLiteral("(-)"),
                                QStringLiteral("Luft")};
    sim.port.setCommPort(QStringLiteral("1"));
    sim.port.oeffnen();
    session.state.PortOk = true;
    session.state.Startphase = true;
    session.state.languageChosen = true;
}

void Bench::start() {
    session.TimCheckVerb().an();
    clock.vergehen(1.0);
}

QVector<QByteArray> Bench::frames() const {
    return sim.leitung.rahmen();
}

QVector<double> Bench::times() const {
    QVector<double> t;
    const auto& log = sim.leitung.protokoll;
    for (const auto& e : log)
        t.append(e.zeit - log.first().zeit);
    return t;
}

QVector<double> Bench::gaps() const {
    QVector<double> g;
    const auto& log = sim.leitung.protokoll;
    for (int i = 1; i < log.size(); ++i)
        g.append(log[i].zeit - log[i - 1].zeit);
    return g;
}

QStringList Bench::commands(int from) const {
    QStringList l;
    const auto& log = sim.leitung.protokoll;
    for (int i = from; i < log.size(); ++i)
        l << QString::fromLatin1(log[i].bytes.left(2).toHex(' ')).toUpper();
    return l;
}

QByteArray hex(const char* text) {
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

QByteArray replyWith(const QByteArray& eeprom) {
    return char(protocol::DLE) + eeprom;
}
