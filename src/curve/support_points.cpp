#include "curve/support_points.h"

#include <QLocale>

namespace supportPoints {

Row row(int point, qint32 counts, float flow) {
    const bool first = point <= PerGrid;
    return {first ? QStringLiteral("tabStp_1") : QStringLiteral("tabStp_2"),
            first ? point : point - PerGrid, counts == 0 ? QString() : QString::number(counts),
            flow == 0 && point != 1 ? QString() : QLocale().toString(flow, 'g', 7)};
}

}  // namespace supportPoints
