#include "ui/pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace pictures {
namespace {

constexpr int FlagWidth = 48, FlagHeight = 30;

QPixmap blank(int b, int h) {
    QPixmap p(b, h);
    p.fill(Qt::transparent);
    return p;
}

void stripes(QPainter& m, const QList<QColor>& colors, bool vertical) {
    const int n = int(colors.size());
    for (int i = 0; i < n; ++i) {
        const QRect r = vertical ? QRect(FlagWidth * i / n, 0, FlagWidth / n + 1, FlagHeight)
                                 : QRect(0, FlagHeight * i / n, FlagWidth, FlagHeight / n + 1);
        m.fillRect(r, colors[i]);
    }
}

void unionJack(QPainter& m) {
    const QColor blue(0x01, 0x21, 0x69), red(0xC8, 0x10, 0x2E);
    m.fillRect(0, 0, FlagWidth, FlagHeight, blue);
    m.setPen(QPen(Qt::white, 6));
    m.drawLine(0, 0, FlagWidth, FlagHeight);
    m.drawLine(0, FlagHeight, FlagWidth, 0);
    m.setPen(QPen(red, 2));
    m.drawLine(0, 0, FlagWidth, FlagHeight);
    m.drawLine(0, FlagHeight, FlagWidth, 0);
    m.fillRect(FlagWidth / 2 - 5, 0, 10, FlagHeight, Qt::white);
    m.fillRect(0, FlagHeight / 2 - 5, FlagWidth, 10, Qt::white);
    m.fillRect(FlagWidth / 2 - 3, 0, 6, FlagHeight, red);
    m.fillRect(0, FlagHeight / 2 - 3, FlagWidth, 6, red);
}

}  // namespace

QPixmap flag(Language s) {
    QPixmap p = blank(FlagWidth, FlagHeight);
    QPainter m(&p);
    switch (s) {
        case Language::English:
            unionJack(m);
            break;
        case Language::French:
            stripes(m, {QColor(0x00, 0x23, 0x95), Qt::white, QColor(0xED, 0x29, 0x39)}, true);
            break;
        default:
            stripes(m, {Qt::black, QColor(0xDD, 0x00, 0x00), QColor(0xFF, 0xCE, 0x00)}, false);
            break;
    }
    m.setPen(Qt::darkGray);
    m.drawRect(0, 0, FlagWidth - 1, FlagHeight - 1);
    return p;
}

QPixmap plug(bool connected) {
    QPixmap p = blank(64, 24);
    QPainter m(&p);
    m.setRenderHint(QPainter::Antialiasing);
    m.setPen(QPen(Qt::darkGray, 2));
    m.setBrush(Qt::lightGray);
    const int gap = connected ? 0 : 10;
    m.drawRect(4, 6, 20 - gap / 2, 12);            // plug
    m.drawLine(24 - gap / 2, 9, 30 - gap / 2, 9);  // pins
    m.drawLine(24 - gap / 2, 15, 30 - gap / 2, 15);
    m.drawRect(30 + gap / 2, 4, 20, 16);  // socket
    m.drawLine(0, 12, 4, 12);
    m.drawLine(50 + gap / 2, 12, 64, 12);
    if (!connected) {
        m.setPen(QPen(Qt::red, 2));
        m.drawLine(26, 2, 34, 22);
    }
    return p;
}

// The plug in its socket under a turning arrow: the meter restarts as planned.
QPixmap restarting() {
    QPixmap p = plug(true);
    QPainter m(&p);
    m.setRenderHint(QPainter::Antialiasing);
    m.setPen(QPen(QColor(0x00, 0x80, 0x00), 2));
    m.drawArc(QRect(20, 1, 22, 22), 30 * 16, 300 * 16);
    m.drawLine(40, 5, 41, 11);
    m.drawLine(41, 11, 35, 10);
    return p;
}

QPixmap polarity(bool plus) {
    QPixmap p = blank(40, 24);
    QPainter m(&p);
    m.setPen(QPen(Qt::black, 2));
    const int upper = 4, lower = 20;
    const int quiet = plus ? lower : upper, pulse = plus ? upper : lower;
    QPainterPath pulseShape;
    pulseShape.moveTo(2, quiet);
    pulseShape.lineTo(14, quiet);
    pulseShape.lineTo(14, pulse);
    pulseShape.lineTo(26, pulse);
    pulseShape.lineTo(26, quiet);
    pulseShape.lineTo(38, quiet);
    m.drawPath(pulseShape);
    return p;
}

}  // namespace pictures
