#include "device/parameter_list.h"

#include <charconv>

QString floatText(float value) {
    char buffer[32];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, int(r.ptr - buffer));
}

namespace {

using Entries = QVector<QPair<QString, QString>>;

void asNumber(Entries& l, const QString& name, qint64 value) {
    l.append({name, QString::number(value)});
}

void asNumber(Entries& l, const QString& name, float value) {
    l.append({name, floatText(value)});
}

void asNumber(Entries& l, const QString& name, qint32 value) {
    asNumber(l, name, qint64(value));
}

template <typename Field>
void series(Entries& l, const QString& name, const Field& field, int upTo) {
    for (int i = 1; i <= upTo; ++i)
        asNumber(l, QStringLiteral("%1[%2]").arg(name).arg(i), field[size_t(i)]);
}

}  // namespace

QVector<QPair<QString, QString>> parameterList(const MeterParameters& p) {
    Entries l;
    asNumber(l, QStringLiteral("Ausgangsart"), qint64(p.Ausgangsart));
    asNumber(l, QStringLiteral("Analogbereich"), qint64(p.Analogbereich));
    asNumber(l, QStringLiteral("Digitalflags"), qint64(p.Digitalflags));
    asNumber(l, QStringLiteral("Konfigbyte3"), qint64(p.Konfigbyte3));
    l.append({QStringLiteral("Polaritaet"), p.Polaritaet});
    asNumber(l, QStringLiteral("StpAnzahl"), qint64(p.StpAnzahl));
    const int points = qBound(0, p.StpAnzahl, MeterParameters::MaxSupportPoints);
    for (int i = 1; i <= points; ++i) {
        asNumber(l, QStringLiteral("StpCounts[%1]").arg(i), qint64(p.StpCounts[size_t(i)]));
        asNumber(l, QStringLiteral("StpFlow[%1]").arg(i), p.StpFlow[size_t(i)]);
    }
    asNumber(l, QStringLiteral("Impulsteiler"), qint64(p.Impulsteiler));
    asNumber(l, QStringLiteral("Impulsdauer"), qint64(p.Impulsdauer));
    asNumber(l, QStringLiteral("Frequenzbereich"), qint64(p.Frequenzbereich));
    asNumber(l, QStringLiteral("Frequenzvorteiler"), qint64(p.Frequenzvorteiler));
    asNumber(l, QStringLiteral("Frequenzteiler"), qint64(p.Frequenzteiler));
    asNumber(l, QStringLiteral("FrequenzMin"), qint64(p.FrequenzMin));
    asNumber(l, QStringLiteral("FrequenzMax"), qint64(p.FrequenzMax));
    asNumber(l, QStringLiteral("Filterfaktor"), qint64(p.Filterfaktor));
    series(l, QStringLiteral("AnalogTrim"), p.AnalogTrim, 8);
    asNumber(l, QStringLiteral("Reserve270"), p.Reserve270);
    asNumber(l, QStringLiteral("MEW"), p.MEW);
    asNumber(l, QStringLiteral("SchaltMin"), p.SchaltMin);
    asNumber(l, QStringLiteral("SchaltMax"), p.SchaltMax);
    asNumber(l, QStringLiteral("Schleichmenge"), p.Schleichmenge);
    asNumber(l, QStringLiteral("MOG"), p.MOG);
    series(l, QStringLiteral("DacReferenz"), p.DacReferenz, 8);
    series(l, QStringLiteral("DacCountsU"), p.DacCountsU, 3);
    series(l, QStringLiteral("DacAusgangU"), p.DacAusgangU, 3);
    series(l, QStringLiteral("DacCountsI"), p.DacCountsI, 3);
    series(l, QStringLiteral("DacAusgangI"), p.DacAusgangI, 3);
    asNumber(l, QStringLiteral("Ueberlauf"), qint64(p.Ueberlauf));
    asNumber(l, QStringLiteral("UeberlaufAktiv"), qint64(p.UeberlaufAktiv));
    l.append({QStringLiteral("Firmwareversion"), p.Firmwareversion});
    l.append({QStringLiteral("Fertigungsnummer"), p.Fertigungsnummer});
    asNumber(l, QStringLiteral("Impulsbasis"), p.Impulsbasis);
    asNumber(l, QStringLiteral("Impulsbasis16"), p.Impulsbasis16);
    asNumber(l, QStringLiteral("Impulswert"), p.Impulswert);
    return l;
}
