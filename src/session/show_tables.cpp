#include "session/show_tables.h"

#include <QLocale>

#include "curve/support_points.h"

namespace {

QString pegel(float volt) {
    return QStringLiteral("%1")
        .arg(double(volt), 9, 'f', 6, QLatin1Char('0'))
        .replace(QLatin1Char('.'), QLocale().decimalPoint());
}

}  // namespace

void showSupportPoints(const Geraeteparameter& p, DisplayModel& v) {
    for (int i = 1; i <= supportPoints::Shown; ++i) {
        const supportPoints::Row r =
            supportPoints::row(i, p.StpCounts[size_t(i)], p.StpFlow[size_t(i)]);
        v.setCell(r.grid, r.row, 0, QString::number(i));
        v.setCell(r.grid, r.row, 1, r.counts);
        v.setCell(r.grid, r.row, 2, r.flow);
    }
}

void showCalibration(const Geraeteparameter& p, DisplayModel& v) {
    for (int zeile = 1; zeile <= 4; ++zeile) {
        v.setCell(QStringLiteral("tabOF"), zeile, 1,
                     QString::number(p.AnalogTrim[size_t(zeile)]));
        v.setCell(QStringLiteral("tabOF"), zeile, 2,
                     QString::number(p.AnalogTrim[size_t(zeile + 4)]));
    }
    for (int i = 1; i <= 3; ++i) {
        v.setCell(QStringLiteral("tabDAC"), i, 1, QString::number(p.DacCountsU[size_t(i)]));
        v.setCell(QStringLiteral("tabDAC"), i, 2, pegel(p.DacAusgangU[size_t(i)]));
        v.setCell(QStringLiteral("tabDAC"), i + 3, 1, QString::number(p.DacCountsI[size_t(i)]));
        v.setCell(QStringLiteral("tabDAC"), i + 3, 2, pegel(p.DacAusgangI[size_t(i)]));
    }
}

