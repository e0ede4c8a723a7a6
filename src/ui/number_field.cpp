#include "ui/number_field.h"

#include <QEvent>

NumberField::NumberField(QLabel* lead, QLabel* tail) : lead_(lead), tail_(tail) {
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    for (QLabel* t : {lead, tail}) {
        t->setParent(this);
        t->setFrameShape(QFrame::NoFrame);
        t->setMargin(0);
        t->setIndent(0);
    }
    lead->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    tail->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

QSize NumberField::wanted(const QLabel* label) {
    return label->sizeHint().expandedTo(label->minimumSize());
}

QSize NumberField::wanted() const {
    const QSize a = wanted(lead_), b = wanted(tail_);
    const QMargins m = contentsMargins();
    return {a.width() + b.width() + m.left() + m.right(),
            qMax(a.height(), b.height()) + m.top() + m.bottom()};
}

QSize NumberField::sizeHint() const {
    laidOut_ = wanted();
    return laidOut_;
}

// A label with a new text asks its parent for a layout; the window's layout
// hears of it only when the field's size has to change.
bool NumberField::event(QEvent* e) {
    if (e->type() != QEvent::LayoutRequest) return QFrame::event(e);
    if (wanted() != laidOut_) updateGeometry();
    place();
    return true;
}

void NumberField::resizeEvent(QResizeEvent* e) {
    QFrame::resizeEvent(e);
    place();
}

void NumberField::showEvent(QShowEvent* e) {
    QFrame::showEvent(e);
    place();
}

void NumberField::place() {
    const QRect r = contentsRect();
    const int lead = qMin(r.width(), wanted(lead_).width());
    lead_->setGeometry(r.x(), r.y(), lead, r.height());
    tail_->setGeometry(r.x() + lead, r.y(), r.width() - lead, r.height());
}
