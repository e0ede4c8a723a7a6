#include "files/report_painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

namespace report {

namespace {

QFont reportFont(int pointSize, bool bold) {
    QFont font(QStringLiteral("Arial"), pointSize);
    font.setBold(bold);
    return font;
}

// Writes lines downwards like a line printer, with columns measured in the
// average character width of the line's plain font.
class LinePrinter {
public:
    explicit LinePrinter(QPagedPaintDevice& device) : device_(device), painter_(&device) {}

    void print(const Line& line) {
        const QFontMetricsF plain(reportFont(line.pointSize, false), &device_);
        const double column = plain.averageCharWidth();
        startRow(plain.lineSpacing());
        double x = 0;
        for (const Item& item : line.items) {
            const double tab = item.tab * column;
            if (tab < x) {
                y_ += plain.lineSpacing();
                startRow(plain.lineSpacing());
            }
            x = tab + write(item, line.pointSize, QPointF(tab, y_ + plain.ascent()));
        }
        y_ += plain.lineSpacing();
    }

private:
    void startRow(double height) {
        if (y_ > 0 && y_ + height > device_.height()) {
            device_.newPage();
            y_ = 0;
        }
    }

    // The width the text took.
    double write(const Item& item, int pointSize, const QPointF& baseline) {
        const QFont font = reportFont(pointSize, item.bold);
        painter_.setFont(font);
        painter_.drawText(baseline, item.text);
        return QFontMetricsF(font, &device_).horizontalAdvance(item.text);
    }

    QPagedPaintDevice& device_;
    QPainter painter_;
    double y_ = 0;
};

}  // namespace

void paintReport(const Document& d, QPagedPaintDevice& device) {
    LinePrinter printer(device);
    for (const Line& line : d)
        printer.print(line);
}

}  // namespace report
