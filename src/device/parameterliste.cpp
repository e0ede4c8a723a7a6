#include "device/parameterliste.h"

#include <charconv>

QString floatText(float wert) {
    char puffer[32];
    const auto r = std::to_chars(puffer, puffer + sizeof puffer, wert);
    return QString::fromLatin1(puffer, int(r.ptr - puffer));
}

namespace {

using Liste = QVector<QPair<QString, QString>>;

void zahl(Liste& l, const QString& name, qint64 wert) {
    l.append({name, QString::number(wert)});
}

void zahl(Liste& l, const QString& name, float wert) {
    l.append({name, floatText(wert)});
}

void zahl(Liste& l, const QString& name, qint32 wert) {
    zahl(l, name, qint64(wert));
}

template <typename Feld>
void reihe(Liste& l, const QString& name, const Feld& feld, int bis) {
    for (int i = 1; i <= bis; ++i)
        zahl(l, QStringLiteral("%1[%2]").arg(name).arg(i), feld[size_t(i)]);
}

}  // namespace

QVector<QPair<QString, QString>> parameterliste(const Geraeteparameter& p) {
    Liste l;
    zahl(l, QStringLiteral("Ausgangsart"), qint64(p.Ausgangsart));
    zahl(l, QStringLiteral("Analogbereich"), qint64(p.Analogbereich));
    zahl(l, QStringLiteral("Digitalflags"), qint64(p.Digitalflags));
    zahl(l, QStringLiteral("Konfigbyte3"), qint64(p.Konfigbyte3));
    l.append({QStringLiteral("Polaritaet"), p.Polaritaet});
    zahl(l, QStringLiteral("StpAnzahl"), qint64(p.StpAnzahl));
    const int punkte = qBound(0, p.StpAnzahl, Geraeteparameter::MaxStuetzstellen);
    for (int i = 1; i <= punkte; ++i) {
        zahl(l, QStringLiteral("StpCounts[%1]").arg(i), qint64(p.StpCounts[size_t(i)]));
        zahl(l, QStringLiteral("StpFlow[%1]").arg(i), p.StpFlow[size_t(i)]);
    }
    zahl(l, QStringLiteral("Impulsteiler"), qint64(p.Impulsteiler));
    zahl(l, QStringLiteral("Impulsdauer"), qint64(p.Impulsdauer));
    zahl(l, QStringLiteral("Frequenzbereich"), qint64(p.Frequenzbereich));
    zahl(l, QStringLiteral("Frequenzvorteiler"), qint64(p.Frequenzvorteiler));
    zahl(l, QStringLiteral("Frequenzteiler"), qint64(p.Frequenzteiler));
    zahl(l, QStringLiteral("FrequenzMin"), qint64(p.FrequenzMin));
    zahl(l, QStringLiteral("FrequenzMax"), qint64(p.FrequenzMax));
    zahl(l, QStringLiteral("Filterfaktor"), qint64(p.Filterfaktor));
    reihe(l, QStringLiteral("AnalogTrim"), p.AnalogTrim, 8);
    zahl(l, QStringLiteral("Reserve270"), p.Reserve270);
    zahl(l, QStringLiteral("MEW"), p.MEW);
    zahl(l, QStringLiteral("SchaltMin"), p.SchaltMin);
    zahl(l, QStringLiteral("SchaltMax"), p.SchaltMax);
    zahl(l, QStringLiteral("Schleichmenge"), p.Schleichmenge);
    zahl(l, QStringLiteral("MOG"), p.MOG);
    reihe(l, QStringLiteral("DacReferenz"), p.DacReferenz, 8);
    reihe(l, QStringLiteral("DacCountsU"), p.DacCountsU, 3);
    reihe(l, QStringLiteral("DacAusgangU"), p.DacAusgangU, 3);
    reihe(l, QStringLiteral("DacCountsI"), p.DacCountsI, 3);
    reihe(l, QStringLiteral("DacAusgangI"), p.DacAusgangI, 3);
    zahl(l, QStringLiteral("Ueberlauf"), qint64(p.Ueberlauf));
    zahl(l, QStringLiteral("UeberlaufAktiv"), qint64(p.UeberlaufAktiv));
    l.append({QStringLiteral("Firmwareversion"), p.Firmwareversion});
    l.append({QStringLiteral("Fertigungsnummer"), p.Fertigungsnummer});
    zahl(l, QStringLiteral("Impulsbasis"), p.Impulsbasis);
    zahl(l, QStringLiteral("Impulsbasis16"), p.Impulsbasis16);
    zahl(l, QStringLiteral("Impulswert"), p.Impulswert);
    return l;
}
