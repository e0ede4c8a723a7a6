#include "support/pruefstand.h"

#include "support/dateien.h"

#include "link/protocol.h"

Pruefstand::Pruefstand(const QByteArray& eeprom)
    : sim(uhr, eeprom), link(sim.port, uhr, zustand, ui(), anzeige) {
    texte = nummerierteTexte();
    sim.port.setCommPort(QStringLiteral("1"));
    sim.port.oeffnen();
}

QVector<QByteArray> Pruefstand::rahmen() const {
    return sim.leitung.rahmen();
}

QVector<double> Pruefstand::abstaende() const {
    QVector<double> a;
    const auto& p = sim.leitung.protokoll;
    for (int i = 1; i < p.size(); ++i)
        a.append(p[i].zeit - p[i - 1].zeit);
    return a;
}

QByteArray hex(const char* text) {
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

QByteArray antwortMit(const QByteArray& eeprom) {
    return char(protokoll::DLE) + eeprom;
}
