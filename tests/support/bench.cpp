#include "support/bench.h"

#include "link/protocol.h"
#include "support/file_helpers.h"

Bench::Bench(const QByteArray& eeprom, const QString& programFolder)
    : sim(clock, eeprom),
      session(sim.port, clock, dialogs,
              programFolder.isEmpty() ? ownFolder.path() : programFolder) {
    session.texts = numberedTexts();
    session.language = Language::German;
    session.settings.PortName = QStringLiteral("Com1");
    session.settings.PortNumber = 1;
    session.settings.unit = {QStringLiteral("kg/h"), 1.0, QStringLiteral("(-)"),
                             QStringLiteral("Luft")};
    sim.port.setCommPort(QStringLiteral("1"));
    sim.port.openPort();
    session.state.PortOk = true;
    session.state.Startphase = true;
    session.state.languageChosen = true;
}

void Bench::start() {
    session.TimCheckVerb().on();
    clock.advance(1.0);
}

QVector<QByteArray> Bench::frames() const {
    return sim.line.frame();
}

QVector<double> Bench::times() const {
    QVector<double> t;
    const auto& log = sim.line.transcript;
    for (const auto& e : log)
        t.append(e.time - log.first().time);
    return t;
}

QVector<double> Bench::gaps() const {
    QVector<double> g;
    const auto& log = sim.line.transcript;
    for (int i = 1; i < log.size(); ++i)
        g.append(log[i].time - log[i - 1].time);
    return g;
}

QStringList Bench::commands(int from) const {
    QStringList l;
    const auto& log = sim.line.transcript;
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
