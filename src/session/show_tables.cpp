#include "session/show_tables.h"

#include <QLocale>

#include "curve/support_points.h"

namespace {

QString level(float volt) {
    return QStringLiteral("%1")
        .arg(double(volt), 9, 'f', 6, QLatin1Char('0'))
        .replace(QLatin1Char('.'), QLocale().decimalPoint());
}

}  // namespace

void showSupportPoints(const MeterParameters& p, DisplayModel& v) {
    for (int i = 1; i <= supportPoints::Shown; ++i) {
        const supportPoints::Row r =
            supportPoints::row(i, p.StpCounts[size_t(i)], p.StpFlow[size_t(i)]);
        v.setCell(r.grid, r.row, 0, QString::number(i));
        v.setCell(r.grid, r.row, 1, r.counts);
        v.setCell(r.grid, r.row, 2, r.flow);
    }
}

void showCalibration(const MeterParameters& p, DisplayModel& v) {
    for (int row = 1; row <= 4; ++row) {
        v.setCell(QStringLiteral("tabOF"), row, 1, QString::number(p.AnalogTrim[size_t(row)]));
        v.setCell(QStringLiteral("tabOF"), row, 2, QString::number(p.AnalogTrim[size_t(row + 4)]));
    }
    for (int i = 1; i <= 3; ++i) {
        v.setCell(QStringLiteral("tabDAC"), i, 1, QString::number(p.DacCountsU[size_t(i)]));
        v.setCell(QStringLiteral("tabDAC"), i, 2, level(p.DacAusgangU[size_t(i)]));
        v.setCell(QStringLiteral("tabDAC"), i + 3, 1, QString::number(p.DacCountsI[size_t(i)]));
        v.setCell(QStringLiteral("tabDAC"), i + 3, 2, level(p.DacAusgangI[size_t(i)]));
    }
}
