#include "ui/display_renderer.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTableWidget>

#include "ui/frm_nd.h"
#include "ui/gauge.h"
#include "ui/main_window.h"
#include "ui/tables.h"

namespace {

QColor qColor(Color c) {
    switch (c) {
        case color::SystemTooltip:
            return QApplication::palette().color(QPalette::ToolTipBase);
        case color::SystemTooltipText:
            return QApplication::palette().color(QPalette::ToolTipText);
        case color::SystemWindow:
            return QApplication::palette().color(QPalette::Base);
        default:
            return QColor::fromRgb(c);
    }
}

void paint(QWidget* w, QPalette::ColorRole role, Color c) {
    QPalette p = w->palette();
    const QColor colour = qColor(c);
    if (p.color(role) == colour && (role != QPalette::Window || w->autoFillBackground())) return;
    p.setColor(role, colour);
    w->setPalette(p);
    if (role == QPalette::Window) w->setAutoFillBackground(true);
}

// The lamp is a round shape; its colour lives in its style sheet.
void paintLamp(QWidget* lamp, Color c) {
    lamp->setStyleSheet(
        QStringLiteral("#Lampe { background: #%1; border: 1px solid gray; border-radius: %2px; }")
            .arg(c, 6, 16, QLatin1Char('0'))
            .arg(lamp->width() / 2));
}

// A set of exclusive option buttons can be left with none chosen.
void check(QAbstractButton* b, bool on) {
    if (b->isChecked() == on) return;
    const bool exclusive = b->autoExclusive();
    b->setAutoExclusive(false);
    b->setChecked(on);
    b->setAutoExclusive(exclusive);
}

}  // namespace

// "frmND.name" is a control of one of the tool's other windows.
QObject* DisplayRenderer::named(const QString& name) const {
    if (const int dot = name.indexOf(QLatin1Char('.')); dot > 0) {
        QObject* window = w_.subWindow(name.left(dot));
        return window ? window->findChild<QObject*>(name.mid(dot + 1)) : nullptr;
    }
    if (name == w_.objectName()) return &w_;
    if (QObject* o = w_.findChild<QObject*>(name)) return o;
    return w_.frmND().findChild<QObject*>(name);
}

// "List#2" is entry 2 of a list, "grid(3,1)" a cell, "regkor2_1" a tab page.
DisplayRenderer::Target DisplayRenderer::find(const QString& name) const {
    static const QRegularExpression cell(QStringLiteral("^(.+)\\((\\d+),(\\d+)\\)$"));
    if (const auto m = cell.match(name); m.hasMatch())
        return {named(m.captured(1)), m.captured(2).toInt(), m.captured(3).toInt()};
    if (const int hash = name.indexOf(QLatin1Char('#')); hash > 0)
        return {named(name.left(hash)), name.mid(hash + 1).toInt()};
    if (name.startsWith(QLatin1String("regkor2_"))) return {w_.regkor2(), name.mid(8).toInt()};
    return {named(name)};
}

DisplayRenderer::Target DisplayRenderer::target(const QString& name) {
    // The live values name their labels many times a second; a search of the
    // widget tree each time would cost more than the rest of the cycle.
    auto it = found_.find(name);
    if (it == found_.end()) it = found_.insert(name, find(name));
    return *it;
}

void DisplayRenderer::restoreTexts(const DisplayModel& d, const QStringList& names) {
    for (const QString& name : names)
        if (const QVariant v = d.get(name, Aspect::Text); v.isValid())
            render(name, Aspect::Text, v);
}

void DisplayRenderer::render(const QString& name, Aspect aspect, const QVariant& value) {
    const Target t = target(name);
    if (!t.object) return;
    switch (aspect) {
        case Aspect::Text:
            text(t, value.toString());
            break;
        case Aspect::Visible:
            if (auto* w = qobject_cast<QWidget*>(t.object); w && w->isHidden() == value.toBool())
                w->setVisible(value.toBool());
            break;
        case Aspect::Enabled:
            enabled(t, value.toBool());
            break;
        case Aspect::TextColor:
        case Aspect::Background:
            colour(t, aspect, value.value<Color>());
            break;
        case Aspect::Value:
        case Aspect::Selection:
        case Aspect::Maximum:
            number(t, aspect, value.toInt());
            break;
        case Aspect::Items:
            items(t, value.toStringList());
            break;
        case Aspect::Masked:
            if (auto* e = qobject_cast<QLineEdit*>(t.object))
                e->setEchoMode(value.toBool() ? QLineEdit::Password : QLineEdit::Normal);
            break;
        case Aspect::Focus:
            if (auto* w = qobject_cast<QWidget*>(t.object)) w->setFocus();
            break;
        case Aspect::WaitCursor:
            if (auto* w = qobject_cast<QWidget*>(t.object)) {
                if (value.toBool())
                    w->setCursor(Qt::WaitCursor);
                else
                    w->unsetCursor();
            }
            break;
    }
}

void DisplayRenderer::text(const Target& t, const QString& s) {
    if (auto* grid = qobject_cast<QTableWidget*>(t.object)) {
        tables::setCell(grid, t.row, t.column, s);
    } else if (auto* list = qobject_cast<QListWidget*>(t.object)) {
        while (list->count() <= t.row)
            list->addItem(QString());
        list->item(t.row)->setText(s);
    } else if (auto* l = qobject_cast<QLabel*>(t.object)) {
        if (l->text() != s) l->setText(s);
    } else if (auto* e = qobject_cast<QLineEdit*>(t.object)) {
        if (e->text() != s) e->setText(s);
    } else if (auto* g = qobject_cast<QGroupBox*>(t.object)) {
        g->setTitle(s);
    } else if (auto* p = qobject_cast<QProgressBar*>(t.object)) {
        p->setFormat(s + QStringLiteral(" \u2013 %p %"));
    } else if (auto* w = qobject_cast<QWidget*>(t.object)) {
        w->setWindowTitle(s);
    }
}

void DisplayRenderer::items(const Target& t, const QStringList& entries) {
    const QSignalBlocker quiet(t.object);
    if (auto* combo = qobject_cast<QComboBox*>(t.object)) {
        combo->clear();
        combo->addItems(entries);
    } else if (auto* list = qobject_cast<QListWidget*>(t.object)) {
        list->clear();
        list->addItems(entries);
    }
}

void DisplayRenderer::enabled(const Target& t, bool on) {
    if (auto* a = qobject_cast<QAction*>(t.object))
        a->setEnabled(on);
    else if (auto* tabs = qobject_cast<QTabWidget*>(t.object); tabs && t.row >= 0)
        tabs->setTabEnabled(t.row, on);
    else if (auto* w = qobject_cast<QWidget*>(t.object))
        w->setEnabled(on);
}

// Values the session sets do not come back to it as the technician's choices.
void DisplayRenderer::number(const Target& t, Aspect aspect, int value) {
    const QSignalBlocker quiet(t.object);
    if (auto* gauge = qobject_cast<Gauge*>(t.object)) {
        if (aspect == Aspect::Maximum)
            gauge->setMaximum(value);
        else
            gauge->setValue(value);
    } else if (auto* s = qobject_cast<QScrollBar*>(t.object)) {
        s->setValue(value);
    } else if (auto* p = qobject_cast<QProgressBar*>(t.object)) {
        p->setValue(value);
    } else if (auto* list = qobject_cast<QListWidget*>(t.object)) {
        list->setCurrentRow(value);
    } else if (auto* grid = qobject_cast<QTableWidget*>(t.object)) {
        grid->setCurrentCell(value, qMax(grid->currentColumn(), 1));  // the column kept, or counts
    } else if (auto* tabs = qobject_cast<QTabWidget*>(t.object)) {
        tabs->setCurrentIndex(value);
    } else if (auto* combo = qobject_cast<QComboBox*>(t.object)) {
        combo->setCurrentIndex(value);
    } else if (auto* b = qobject_cast<QAbstractButton*>(t.object)) {
        check(b, value != 0);
    }
}

void DisplayRenderer::colour(const Target& t, Aspect aspect, Color c) {
    if (auto* grid = qobject_cast<QTableWidget*>(t.object)) {
        if (QTableWidgetItem* item = grid->item(t.row, t.column)) item->setBackground(qColor(c));
    } else if (auto* w = qobject_cast<QWidget*>(t.object)) {
        if (aspect == Aspect::Background && w->objectName() == QLatin1String("Lampe"))
            paintLamp(w, c);
        else
            paint(w, aspect == Aspect::Background ? QPalette::Window : QPalette::WindowText, c);
    }
}
