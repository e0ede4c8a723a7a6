#include "ui/bilder.h"

#include <QPainter>
#include <QPainterPath>

namespace bilder {
namespace {

constexpr int FlaggeB = 48, FlaggeH = 30;

QPixmap leer(int b, int h) {
    QPixmap p(b, h);
    p.fill(Qt::transparent);
    return p;
}

void streifen(QPainter& m, const QList<QColor>& farben, bool senkrecht) {
    const int n = int(farben.size());
    for (int i = 0; i < n; ++i) {
        const QRect r = senkrecht ? QRect(FlaggeB * i / n, 0, FlaggeB / n + 1, FlaggeH)
                                  : QRect(0, FlaggeH * i / n, FlaggeB, FlaggeH / n + 1);
        m.fillRect(r, farben[i]);
    }
}

void unionJack(QPainter& m) {
    const QColor blau(0x01, 0x21, 0x69), rot(0xC8, 0x10, 0x2E);
    m.fillRect(0, 0, FlaggeB, FlaggeH, blau);
    m.setPen(QPen(Qt::white, 6));
    m.drawLine(0, 0, FlaggeB, FlaggeH);
    m.drawLine(0, FlaggeH, FlaggeB, 0);
    m.setPen(QPen(rot, 2));
    m.drawLine(0, 0, FlaggeB, FlaggeH);
    m.drawLine(0, FlaggeH, FlaggeB, 0);
    m.fillRect(FlaggeB / 2 - 5, 0, 10, FlaggeH, Qt::white);
    m.fillRect(0, FlaggeH / 2 - 5, FlaggeB, 10, Qt::white);
    m.fillRect(FlaggeB / 2 - 3, 0, 6, FlaggeH, rot);
    m.fillRect(0, FlaggeH / 2 - 3, FlaggeB, 6, rot);
}

}  // namespace

QPixmap flagge(Sprache s) {
    QPixmap p = leer(FlaggeB, FlaggeH);
    QPainter m(&p);
    switch (s) {
        case Sprache::Englisch:
            unionJack(m);
            break;
        case Sprache::Franzoesisch:
            streifen(m, {QColor(0x00, 0x23, 0x95), Qt::white, QColor(0xED, 0x29, 0x39)}, true);
            break;
        default:
            streifen(m, {Qt::black, QColor(0xDD, 0x00, 0x00), QColor(0xFF, 0xCE, 0x00)}, false);
            break;
    }
    m.setPen(Qt::darkGray);
    m.drawRect(0, 0, FlaggeB - 1, FlaggeH - 1);
    return p;
}

QPixmap stecker(bool verbunden) {
    QPixmap p = leer(64, 24);
    QPainter m(&p);
    m.setRenderHint(QPainter::Antialiasing);
    m.setPen(QPen(Qt::darkGray, 2));
    m.setBrush(Qt::lightGray);
    const int spalt = verbunden ? 0 : 10;
    m.drawRect(4, 6, 20 - spalt / 2, 12);              // plug
    m.drawLine(24 - spalt / 2, 9, 30 - spalt / 2, 9);  // pins
    m.drawLine(24 - spalt / 2, 15, 30 - spalt / 2, 15);
    m.drawRect(30 + spalt / 2, 4, 20, 16);  // socket
    m.drawLine(0, 12, 4, 12);
    m.drawLine(50 + spalt / 2, 12, 64, 12);
    if (!verbunden) {
        m.setPen(QPen(Qt::red, 2));
        m.drawLine(26, 2, 34, 22);
    }
    return p;
}

QPixmap polaritaet(bool plus) {
    QPixmap p = leer(40, 24);
    QPainter m(&p);
    m.setPen(QPen(Qt::black, 2));
    const int oben = 4, unten = 20;
    const int ruhe = plus ? unten : oben, puls = plus ? oben : unten;
    QPainterPath kurve;
    kurve.moveTo(2, ruhe);
    kurve.lineTo(14, ruhe);
    kurve.lineTo(14, puls);
    kurve.lineTo(26, puls);
    kurve.lineTo(26, ruhe);
    kurve.lineTo(38, ruhe);
    m.drawPath(kurve);
    return p;
}

}  // namespace bilder
