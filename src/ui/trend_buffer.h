#pragma once

#include <QList>
#include <QPointF>
#include <vector>

// The measured values of the last minutes, for the trend chart. A fixed ring, so that a trend
// left running for hours at the poll's ~60 values a second keeps the same memory throughout.
class TrendBuffer {
public:
    // Enough for redrawing a few times a second to stay cheap, more than a window's pixels.
    static constexpr int DrawLimit = 1000;

    explicit TrendBuffer(double windowSeconds = 300, int capacity = 20000);

    // Times are expected to rise; an earlier one means the clock started again, and the samples
    // of the old clock are dropped rather than drawn into the future.
    void add(double seconds, float value);

    // x is seconds before the newest sample (the newest at 0, older ones negative), so the chart
    // keeps one fixed x range. At most DrawLimit points, every k-th counted back from the newest.
    QList<QPointF> points() const;

    double newest() const;  // 0 while empty
    double window() const { return window_; }
    int size() const { return size_; }
    void clear();

private:
    const QPointF& at(int i) const;  // 0 is the oldest
    void dropOldest();

    double window_;
    std::vector<QPointF> ring_;
    int first_ = 0;
    int size_ = 0;
};
