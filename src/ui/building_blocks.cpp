#include "ui/building_blocks.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>

#include "ui/number_field.h"
#include "ui/pictures.h"

namespace buildingBlocks {

QString element(const char* name, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

int px(int twips) {
    const QScreen* s = QGuiApplication::primaryScreen();
    const double dpi = s ? s->logicalDotsPerInchX() : 96.0;
    return int(twips / 15.0 * dpi / 96.0 + 0.5);
}

namespace {

template <typename W>
W* named(W* w, const QString& name) {
    w->setObjectName(name);
    return w;
}

}  // namespace

QLabel* caption(const QString& name) {
    return named(new QLabel, name);
}

QLabel* display(const QString& name) {
    auto* l = named(new QLabel, name);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setMinimumWidth(px(1000));
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

QLabel* unit(const QString& name, const QString& text) {
    auto* l = named(new QLabel(text), name);
    l->setMinimumWidth(px(600));
    return l;
}

QPushButton* button(const QString& name) {
    return named(new QPushButton, name);
}

QCheckBox* checkBox(const QString& name) {
    return named(new QCheckBox, name);
}

QRadioButton* option(const QString& name) {
    return named(new QRadioButton, name);
}

QGroupBox* frame(const QString& name) {
    return named(new QGroupBox, name);
}

QLineEdit* textField(const QString& name) {
    return named(new QLineEdit, name);
}

QListWidget* list(const QString& name, const QStringList& entries) {
    auto* l = named(new QListWidget, name);
    l->addItems(entries);
    l->setMaximumHeight(px(1000));
    return l;
}

QScrollBar* scrollBar(const QString& name, Qt::Orientation direction, int min, int max) {
    auto* s = named(new QScrollBar(direction), name);
    s->setRange(min, max);
    return s;
}

QScrollBar* slider(const QString& name, int min, int max, int page) {
    auto* s = scrollBar(name, Qt::Horizontal, min, max);
    s->setPageStep(page);
    s->setFocusPolicy(Qt::StrongFocus);
    s->setInvertedControls(false);  // a scroll bar otherwise steps against its arrow keys
    return s;
}

// The handle travels the groove less its own length, and it is never shorter
// than a page or the style's minimum; the arrow buttons take an extent each.
QScrollBar* everyValueReachable(QScrollBar* s) {
    const QStyle* style = s->style();
    const int handle =
        qMax(s->pageStep(), style->pixelMetric(QStyle::PM_ScrollBarSliderMin, nullptr, s));
    const int arrows = 2 * style->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, s);
    s->setMinimumWidth(s->maximum() - s->minimum() + handle + arrows);
    return s;
}

Gauge* bar(const QString& name) {
    return named(new Gauge, name);
}

QLabel* picture(const QString& name, const QPixmap& pixmap) {
    auto* l = named(new QLabel, name);
    l->setPixmap(pixmap);
    return l;
}

QFrame* numberField(QLabel* lead, QLabel* tail) {
    return new NumberField(lead, tail);
}

QWidget* polarityPictures(const char* plus, const char* minus) {
    QLabel* shown[] = {picture(QLatin1String(plus), pictures::polarity(true)),
                       picture(QLatin1String(minus), pictures::polarity(false))};
    for (QLabel* p : shown)
        p->setVisible(false);
    return row({shown[0], shown[1]});
}

QWidget* row(std::initializer_list<QWidget*> parts) {
    auto* w = new QWidget;
    auto* l = new QHBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    for (QWidget* t : parts)
        l->addWidget(t);
    l->addStretch();
    return w;
}

QGridLayout* grid(std::initializer_list<std::initializer_list<QWidget*>> rows) {
    auto* g = new QGridLayout;
    int r = 0;
    for (const auto& z : rows) {
        int c = 0;
        for (QWidget* w : z) {
            if (w) g->addWidget(w, r, c);
            ++c;
        }
        ++r;
    }
    g->setRowStretch(r, 1);
    return g;
}

}  // namespace buildingBlocks
