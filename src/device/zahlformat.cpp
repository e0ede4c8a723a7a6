#include "device/zahlformat.h"

#include <QLocale>

#include "device/parameterliste.h"
#include "device/zahlen.h"

namespace zahlformat {
namespace {

// Swaps the C decimal point for the locale's.
QString lokal(QString text) {
    return text.replace(QLatin1Char('.'), QLocale().decimalPoint());
}

}  // namespace

QString fest(double wert, int stellen) {
    return lokal(QString::number(wert, 'f', stellen));
}

QString gerundet(double wert, int stellen) {
    QString t = QString::number(rundeGerade(wert, stellen), 'f', stellen);
    if (t.contains(QLatin1Char('.'))) {
        while (t.endsWith(QLatin1Char('0')))
            t.chop(1);
        if (t.endsWith(QLatin1Char('.'))) t.chop(1);
    }
    if (t == QLatin1String("-0")) t = QStringLiteral("0");
    return lokal(t);
}

QString kurz(float wert) {
    return lokal(floatText(wert));
}

QString mitVorzeichenstelle(float wert) {
    return wert < 0 ? kurz(wert) : QStringLiteral(" ") + kurz(wert);
}

}  // namespace zahlformat
