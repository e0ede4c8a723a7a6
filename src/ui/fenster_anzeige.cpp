#include "ui/fenster_anzeige.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QScrollBar>
#include <QTableWidget>

#include "ui/frm_nd.h"
#include "ui/hauptfenster.h"
#include "ui/tabellen.h"

namespace {

QColor farbeVon(Farbe f) {
    switch (f) {
        case farbe::SystemTooltip:
            return QApplication::palette().color(QPalette::ToolTipBase);
        case farbe::SystemTooltipText:
            return QApplication::palette().color(QPalette::ToolTipText);
        case farbe::SystemFenster:
            return QApplication::palette().color(QPalette::Base);
        default:
            return QColor::fromRgb(f);
    }
}

void faerbe(QWidget* w, QPalette::ColorRole rolle, Farbe f) {
    if (!w) return;
    QPalette p = w->palette();
    const QColor farbe = farbeVon(f);
    // The live values repaint every cycle; a palette change costs a restyle.
    if (p.color(rolle) == farbe && (rolle != QPalette::Window || w->autoFillBackground())) return;
    p.setColor(rolle, farbe);
    w->setPalette(p);
    if (rolle == QPalette::Window) w->setAutoFillBackground(true);
}

QString farbtext(Farbe f) {
    return QStringLiteral("#%1").arg(f, 6, 16, QLatin1Char('0'));
}

Farbe lampenfarbe(Lampe l) {
    switch (l) {
        case Lampe::Gruen:
            return 0x00FF00;
        case Lampe::Rot:
            return 0xFF0000;
        case Lampe::Grau:
            break;
    }
    return 0xC0C0C0;
}

}  // namespace

QWidget* FensterAnzeige::widget(Element e) const {
    return benannt(elementName(e));
}

void FensterAnzeige::setzeLampe(Lampe farbe) {
    if (farbe == lampe_ && !lampeNeu_) return;  // a style sheet change restyles the lamp
    lampeNeu_ = false;
    lampe_ = farbe;
    if (QWidget* l = f_.element(QStringLiteral("Lampe")))
        l->setStyleSheet(
            QStringLiteral(
                "#Lampe { background: %1; border: 1px solid gray; border-radius: %2px; }")
                .arg(farbtext(lampenfarbe(farbe)))
                .arg(l->width() / 2));
}

void FensterAnzeige::zeigeVerbunden(bool verbunden) {
    setzeSichtbarkeit(QStringLiteral("Picconnect"), verbunden);
    setzeSichtbarkeit(QStringLiteral("Picdisconnect"), !verbunden);
}

void FensterAnzeige::setzeSichtbar(Element e, bool sichtbar) {
    if (QWidget* w = widget(e); w->isHidden() == sichtbar) w->setVisible(sichtbar);
}

void FensterAnzeige::setzeAktiv(Element e, bool aktiv) {
    widget(e)->setEnabled(aktiv);
}

void FensterAnzeige::setzeMenueAktiv(Menue m, int index, bool aktiv) {
    if (QAction* a = f_.menueEintrag(m, index)) a->setEnabled(aktiv);
}

void FensterAnzeige::setzeFehlerzeile(const QString& code, const QString& text) {
    auto* t = f_.element<QTableWidget>(QStringLiteral("tabError"));
    tabellen::setzeZelle(t, 1, 1, code);
    tabellen::setzeZelle(t, 1, 2, text);
}

void FensterAnzeige::setzeStatus(const QString& text) {
    f_.statusPanel()->setText(text);
}

void FensterAnzeige::setzeSkalenendwert(int prozent) {
    for (const char* name : {"AnzAnalog", "AnzSignal"})
        f_.element<QProgressBar>(QLatin1String(name))->setMaximum(prozent);
}

void FensterAnzeige::setzeUeberlaufText(const QString& text, Farbe farbe) {
    auto* l = f_.element<QLabel>(QStringLiteral("lblUeberlauf"));
    l->setText(text);
    l->setStyleSheet(QStringLiteral("color: %1").arg(farbtext(farbe)));
}

QWidget* FensterAnzeige::benannt(const QString& name) const {
    // The live values name their labels many times a second; a search of the
    // widget tree each time would cost more than the rest of the cycle.
    if (QWidget* w = gefunden_.value(name)) return w;
    QWidget* w = name.startsWith(QLatin1String("frmND."))
                     ? f_.frmND().findChild<QWidget*>(name.mid(6))
                     : f_.element(name);
    if (!w) w = f_.frmND().findChild<QWidget*>(name);
    gefunden_.insert(name, w);
    return w;
}

void FensterAnzeige::setzeText(const QString& name, const QString& text) {
    QWidget* w = benannt(name);
    if (auto* l = qobject_cast<QLabel*>(w)) {
        if (l->text() != text) l->setText(text);
    } else if (auto* e = qobject_cast<QLineEdit*>(w))
        e->setText(text);
    else if (auto* g = qobject_cast<QGroupBox*>(w))
        g->setTitle(text);
}

void FensterAnzeige::setzeSichtbarkeit(const QString& name, bool sichtbar) {
    if (QWidget* w = benannt(name); w && w->isHidden() == sichtbar) w->setVisible(sichtbar);
}

void FensterAnzeige::setzeTextfarbe(const QString& name, Farbe farbe) {
    faerbe(benannt(name), QPalette::WindowText, farbe);
}

void FensterAnzeige::setzeHintergrund(const QString& name, Farbe farbe) {
    faerbe(benannt(name), QPalette::Window, farbe);
}

void FensterAnzeige::setzeZahl(const QString& name, int wert) {
    QWidget* w = benannt(name);
    if (auto* b = qobject_cast<QProgressBar*>(w))
        b->setValue(qBound(b->minimum(), wert, b->maximum()));
    else if (auto* s = qobject_cast<QScrollBar*>(w))
        s->setValue(wert);
}

void FensterAnzeige::setzeAuswahl(const QString& liste, int index) {
    if (auto* l = qobject_cast<QListWidget*>(benannt(liste))) l->setCurrentRow(index);
}

void FensterAnzeige::setzeEintrag(const QString& liste, int index, const QString& text) {
    auto* l = qobject_cast<QListWidget*>(benannt(liste));
    if (!l) return;
    while (l->count() <= index)
        l->addItem(QString());
    l->item(index)->setText(text);
}

void FensterAnzeige::setzeZelle(const QString& raster, int zeile, int spalte, const QString& text) {
    if (auto* t = qobject_cast<QTableWidget*>(benannt(raster)))
        tabellen::setzeZelle(t, zeile, spalte, text);
}

void FensterAnzeige::setzeZellfarbe(const QString& raster, int zeile, int spalte, Farbe farbe) {
    auto* t = qobject_cast<QTableWidget*>(benannt(raster));
    if (t && t->item(zeile, spalte)) t->item(zeile, spalte)->setBackground(farbeVon(farbe));
}

void FensterAnzeige::setzeLaufzeiger(bool warten) {
    if (warten)
        f_.setCursor(Qt::WaitCursor);
    else
        f_.unsetCursor();
}

void FensterAnzeige::setzeFenstertitel(const QString& titel) {
    f_.setWindowTitle(titel);
}

void FensterAnzeige::setzeTabAktiv(int tab, bool aktiv) {
    f_.regkor2()->setTabEnabled(tab, aktiv);
}

void FensterAnzeige::waehleTab(int tab) {
    f_.regkor2()->setCurrentIndex(tab);
}
