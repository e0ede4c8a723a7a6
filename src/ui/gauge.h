#pragma once

#include <QWidget>

// A bar that fills from the left with the share of its value in its maximum,
// in the meter's green. Unlike a progress bar it paints a new value together
// with everything else that changed, rather than at once in a paint of its
// own: the live values move it up to ten times a second.
class Gauge : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int value READ value WRITE setValue)
    Q_PROPERTY(int maximum READ maximum WRITE setMaximum)

public:
    explicit Gauge(QWidget* parent = nullptr);

    int value() const { return value_; }
    int maximum() const { return maximum_; }
    // Values outside 0 to the maximum are shown at the nearer end.
    void setValue(int value);
    void setMaximum(int maximum);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    int filledWidth(int inner) const;

    int value_ = 0;
    int maximum_ = 100;
};
