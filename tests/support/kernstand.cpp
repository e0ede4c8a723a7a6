#include "support/kernstand.h"

#include "support/dateien.h"

Kernstand::Kernstand(const QByteArray& eeprom)
    : sim(uhr, eeprom), kern(sim.port, uhr, anzeige, dialoge) {
    kern.texte = nummerierteTexte();
    kern.sprache = Sprache::Deutsch;
    kern.einstellungen.Portname = QStringLiteral("Com1");
    kern.einstellungen.Portnummer = 1;
    kern.einstellungen.einheit = {QStringLiteral("kg/h"), 1.0, QStringLiteral("(-)"),
                                  QStringLiteral("Luft")};
    sim.port.setCommPort(QStringLiteral("1"));
    sim.port.oeffnen();
    kern.zustand.PortOk = true;
    kern.zustand.Startphase = true;
}

void Kernstand::starten() {
    kern.TimCheckVerb().an();
    uhr.vergehen(1.0);
}

QVector<QByteArray> Kernstand::rahmen() const {
    return sim.leitung.rahmen();
}

QVector<double> Kernstand::zeiten() const {
    QVector<double> z;
    const auto& p = sim.leitung.protokoll;
    for (const auto& e : p)
        z.append(e.zeit - p.first().zeit);
    return z;
}

QStringList Kernstand::befehle(int ab) const {
    QStringList l;
    const auto& p = sim.leitung.protokoll;
    for (int i = ab; i < p.size(); ++i)
        l << QString::fromLatin1(p[i].bytes.left(2).toHex(' ')).toUpper();
    return l;
}
