#include "ui/bausteine.h"

#include <QGuiApplication>
#include <QScreen>

namespace bausteine {

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
W* benannt(W* w, const QString& name) {
    w->setObjectName(name);
    return w;
}

}  // namespace

QLabel* beschriftung(const QString& name) {
    return benannt(new QLabel, name);
}

QLabel* anzeige(const QString& name) {
    auto* l = benannt(new QLabel, name);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setMinimumWidth(px(1000));
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

QLabel* einheit(const QString& name, const QString& text) {
    auto* l = benannt(new QLabel(text), name);
    l->setMinimumWidth(px(600));
    return l;
}

QPushButton* knopf(const QString& name) {
    return benannt(new QPushButton, name);
}

QCheckBox* kasten(const QString& name) {
    return benannt(new QCheckBox, name);
}

QRadioButton* option(const QString& name) {
    return benannt(new QRadioButton, name);
}

QGroupBox* rahmen(const QString& name) {
    return benannt(new QGroupBox, name);
}

QLineEdit* textfeld(const QString& name) {
    return benannt(new QLineEdit, name);
}

QListWidget* liste(const QString& name, const QStringList& eintraege) {
    auto* l = benannt(new QListWidget, name);
    l->addItems(eintraege);
    l->setMaximumHeight(px(1000));
    return l;
}

QScrollBar* schieber(const QString& name, Qt::Orientation richtung, int min, int max) {
    auto* s = benannt(new QScrollBar(richtung), name);
    s->setRange(min, max);
    return s;
}

QProgressBar* balken(const QString& name) {
    auto* b = benannt(new QProgressBar, name);
    b->setRange(0, 100);
    b->setValue(0);
    b->setTextVisible(false);
    b->setStyleSheet(QStringLiteral("QProgressBar::chunk { background: #00ff00; }"));
    return b;
}

QLabel* bild(const QString& name, const QPixmap& pixmap) {
    auto* l = benannt(new QLabel, name);
    l->setPixmap(pixmap);
    return l;
}

QFrame* zahlfeld(QLabel* vorn, QLabel* hinten) {
    auto* f = new QFrame;
    f->setFrameShape(QFrame::Panel);
    f->setFrameShadow(QFrame::Sunken);
    auto* l = new QHBoxLayout(f);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    for (QLabel* t : {vorn, hinten}) {
        t->setFrameShape(QFrame::NoFrame);
        t->setMargin(0);
        t->setIndent(0);
        l->addWidget(t);
    }
    vorn->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    hinten->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return f;
}

QWidget* zeile(std::initializer_list<QWidget*> teile) {
    auto* w = new QWidget;
    auto* l = new QHBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    for (QWidget* t : teile)
        l->addWidget(t);
    l->addStretch();
    return w;
}

QGridLayout* raster(std::initializer_list<std::initializer_list<QWidget*>> zeilen) {
    auto* g = new QGridLayout;
    int r = 0;
    for (const auto& z : zeilen) {
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

}  // namespace bausteine
