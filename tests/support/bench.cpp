#include "support/bench.h"

#include <QFile>

#include "device/eeprom_map.h"
#include "link/protocol.h"
#include "support/file_helpers.h"

Bench::Bench(const QByteArray& eeprom)
    : sim(clock, eeprom), session(sim.port, clock, dialogs, folder.path()) {
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

void Bench::loadShippedUnits() {
    const QString units = folder.filePath(QStringLiteral("UNIT.CON"));
    QFile::copy(QStringLiteral(ORBIS_DATA "/UNIT.CON"), units);
    QFile::setPermissions(units, QFile::ReadOwner | QFile::WriteOwner);
    session.loadUnits(units);
}

void Bench::start() {
    session.TimCheckVerb().on();
    clock.advance(1.0);
}

QVector<QByteArray> Bench::frames() const {
    return sim.line.frame();
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

QByteArray uncalibrated(bool references) {
    QByteArray e = images::standard();
    for (int a : address::AnalogTrim)
        e.replace(a, 2, QByteArray(2, '\0'));
    e.replace(address::DacPointsU, 36, QByteArray(36, '\0'));
    if (references) e.replace(address::DacReferenz, 32, QByteArray(32, '\0'));
    return e;
}
