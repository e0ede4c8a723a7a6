#pragma once

#include <QFrame>
#include <QLabel>

// Two value labels that read as one number: one sunken frame around both, no
// gap between them, the leading digits right-aligned against the rest. The
// labels change with every reading; the field places them itself and asks the
// window for a new layout only when it needs another size, since laying out
// the whole window for each reading would cost more than painting it.
class NumberField : public QFrame {
public:
    NumberField(QLabel* lead, QLabel* tail);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    bool event(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    static QSize wanted(const QLabel* label);
    QSize wanted() const;
    void place();

    QLabel* lead_;
    QLabel* tail_;
    mutable QSize laidOut_;  // the size the window's layout was last given
};
