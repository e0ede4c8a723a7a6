#include "device/tabellen_fuellen.h"

#include <QLocale>

namespace tabellenFuellen {
namespace {

constexpr int StpJeGitter = 15;
constexpr int StpMax = 30;

QString pegel(float volt) {
    return QStringLiteral("%1")
        .arg(double(volt), 9, 'f', 6, QLatin1Char('0'))
        .replace(QLatin1Char('.'), QLocale().decimalPoint());
}

}  // namespace

void stuetzpunktZeile(const Geraeteparameter& p, int punkt, MainView& v) {
    const QString gitter =
        punkt <= StpJeGitter ? QStringLiteral("tabStp_1") : QStringLiteral("tabStp_2");
    const int zeile = punkt <= StpJeGitter ? punkt : punkt - StpJeGitter;
    const qint32 counts = p.StpCounts[size_t(punkt)];
    const float fluss = p.StpFlow[size_t(punkt)];
    v.setzeZelle(gitter, zeile, 0, QString::number(punkt));
    v.setzeZelle(gitter, zeile, 1, counts == 0 ? QString() : QString::number(counts));
    v.setzeZelle(gitter, zeile, 2,
                 fluss == 0 && punkt != 1 ? QString() : QLocale().toString(fluss, 'g', 7));
}

void stuetzpunkte(const Geraeteparameter& p, MainView& v) {
    for (int i = 1; i <= StpMax; ++i)
        stuetzpunktZeile(p, i, v);
}

void kalibrierung(const Geraeteparameter& p, MainView& v) {
    for (int zeile = 1; zeile <= 4; ++zeile) {
        v.setzeZelle(QStringLiteral("tabOF"), zeile, 1,
                     QString::number(p.AnalogTrim[size_t(zeile)]));
        v.setzeZelle(QStringLiteral("tabOF"), zeile, 2,
                     QString::number(p.AnalogTrim[size_t(zeile + 4)]));
    }
    for (int i = 1; i <= 3; ++i) {
        v.setzeZelle(QStringLiteral("tabDAC"), i, 1, QString::number(p.DacCountsU[size_t(i)]));
        v.setzeZelle(QStringLiteral("tabDAC"), i, 2, pegel(p.DacAusgangU[size_t(i)]));
        v.setzeZelle(QStringLiteral("tabDAC"), i + 3, 1, QString::number(p.DacCountsI[size_t(i)]));
        v.setzeZelle(QStringLiteral("tabDAC"), i + 3, 2, pegel(p.DacAusgangI[size_t(i)]));
    }
}

}  // namespace tabellenFuellen
