#include "ui/fenster_anzeige.h"

#include <QAction>
#include <QLabel>
#include <QProgressBar>
#include <QTableWidget>

#include "ui/frm_nd.h"
#include "ui/hauptfenster.h"
#include "ui/tabellen.h"

namespace {

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
    switch (e) {
        case Element::raAktuell:
            return f_.element(QStringLiteral("raAktuell"));
        case Element::AnzAnalog:
            return f_.element(QStringLiteral("AnzAnalog"));
        case Element::cmdNDspeichern:
            return f_.frmND().findChild<QWidget*>(QStringLiteral("cmdNDspeichern"));
        case Element::cmdNDLesen:
            return f_.frmND().findChild<QWidget*>(QStringLiteral("cmdNDLesen"));
        case Element::chkKonfAnalogUeberlauf:
            return f_.element(QStringLiteral("chkKonfAnalog_5"));
        case Element::lblKonfULAkt:
            return f_.element(QStringLiteral("lblKonfULAkt"));
        case Element::lblUeberlauf:
            return f_.element(QStringLiteral("lblUeberlauf"));
    }
    return nullptr;
}

void FensterAnzeige::setzeLampe(Lampe farbe) {
    lampe_ = farbe;
    if (QWidget* l = f_.element(QStringLiteral("Lampe")))
        l->setStyleSheet(
            QStringLiteral(
                "#Lampe { background: %1; border: 1px solid gray; border-radius: %2px; }")
                .arg(farbtext(lampenfarbe(farbe)))
                .arg(l->width() / 2));
}

void FensterAnzeige::zeigeVerbunden(bool verbunden) {
    f_.element(QStringLiteral("Picconnect"))->setVisible(verbunden);
    f_.element(QStringLiteral("Picdisconnect"))->setVisible(!verbunden);
}

void FensterAnzeige::setzeSichtbar(Element e, bool sichtbar) {
    widget(e)->setVisible(sichtbar);
}

void FensterAnzeige::setzeAktiv(Element e, bool aktiv) {
    widget(e)->setEnabled(aktiv);
}

void FensterAnzeige::setzeMenueAktiv(Menue m, int index, bool aktiv) {
    if (QAction* a = f_.menueEintrag(m, index)) a->setEnabled(aktiv);
}

void FensterAnzeige::setzeCountsTimer(bool an) {
    if (beiCountsTimer) beiCountsTimer(an);
}

void FensterAnzeige::zeigeCounts(quint8 high, quint8 low) {
    if (beiCounts) beiCounts(high, low);
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
