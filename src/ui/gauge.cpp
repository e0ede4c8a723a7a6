#include "ui/gauge.h"

#include <QPainter>

namespace {

const QColor Fill(0x00, 0xFF, 0x00);
constexpr int Border = 1;

}  // namespace

Gauge::Gauge(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void Gauge::setValue(int value) {
    value = qBound(0, value, qMax(0, maximum_));
    if (value == value_) return;
    const int inner = width() - 2 * Border;
    const int before = filledWidth(inner);
    value_ = value;
    if (filledWidth(inner) != before) update();
}

void Gauge::setMaximum(int maximum) {
    if (maximum == maximum_) return;
    maximum_ = maximum;
    value_ = qBound(0, value_, qMax(0, maximum_));
    update();
}

QSize Gauge::sizeHint() const {
    const int h = fontMetrics().height() + 2 * Border + 2;
    return {10 * h, h};
}

QSize Gauge::minimumSizeHint() const {
    return {2 * Border + 10, sizeHint().height()};
}

int Gauge::filledWidth(int inner) const {
    if (maximum_ <= 0 || inner <= 0) return 0;
    return int(qint64(inner) * value_ / maximum_);
}

void Gauge::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect frame = rect();
    p.fillRect(frame, palette().color(QPalette::Mid));
    const QRect inner = frame.adjusted(Border, Border, -Border, -Border);
    p.fillRect(inner, palette().color(QPalette::Base));
    const int filled = filledWidth(inner.width());
    if (filled > 0) p.fillRect(QRect(inner.topLeft(), QSize(filled, inner.height())), Fill);
}
