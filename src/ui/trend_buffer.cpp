#include "ui/trend_buffer.h"

#include <algorithm>

TrendBuffer::TrendBuffer(double windowSeconds, int capacity)
    : window_(windowSeconds), ring_(std::size_t(std::max(1, capacity))) {}

void TrendBuffer::add(double seconds, float value) {
    if (size_ > 0 && seconds < newest()) clear();
    if (size_ == int(ring_.size())) dropOldest();
    ring_[std::size_t((first_ + size_) % int(ring_.size()))] = QPointF(seconds, value);
    ++size_;
    while (at(0).x() < seconds - window_)
        dropOldest();
}

QList<QPointF> TrendBuffer::points() const {
    const int step = std::max(1, (size_ + DrawLimit - 1) / DrawLimit);
    QList<QPointF> p;
    p.reserve(std::min(size_, DrawLimit));
    const double now = newest();
    // Started so that the stride ends on the newest sample, which the chart must always show.
    for (int i = size_ > 0 ? (size_ - 1) % step : 0; i < size_; i += step)
        p.append(QPointF(at(i).x() - now, at(i).y()));
    return p;
}

double TrendBuffer::newest() const {
    return size_ > 0 ? at(size_ - 1).x() : 0;
}

void TrendBuffer::clear() {
    first_ = 0;
    size_ = 0;
}

const QPointF& TrendBuffer::at(int i) const {
    return ring_[std::size_t((first_ + i) % int(ring_.size()))];
}

void TrendBuffer::dropOldest() {
    first_ = (first_ + 1) % int(ring_.size());
    --size_;
}
