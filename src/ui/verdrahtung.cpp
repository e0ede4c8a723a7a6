#include <QAction>
#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

#include "ui/infotexte.h"
#include "ui/sitzung.h"

namespace {

template <typename F>
void beiKlick(Hauptfenster& f, const char* name, F handler) {
    QObject::connect(f.element<QAbstractButton>(QString::fromUtf8(name)), &QAbstractButton::clicked,
                     handler);
}

template <typename F>
void beiMenue(Hauptfenster& f, Menue m, int index, F handler) {
    QObject::connect(f.menueEintrag(m, index), &QAction::triggered, handler);
}

}  // namespace

void Sitzung::verdrahten() {
    connect(&fenster_, &Hauptfenster::geschlossen, this, [this] { kern_.programmBeenden(); });
    verdrahteMenues();
    verdrahteRahmen();
}

void Sitzung::verdrahteMenues() {
    beiMenue(fenster_, Menue::mnudatei, 7, [this] {
        zeigeAufgabe("raSprache");
        kern_.TimCheckVerb().aus();
    });
    beiMenue(fenster_, Menue::mnudatei, 15, [this] { kern_.programmBeenden(); });
    beiMenue(fenster_, Menue::mnuverbindung, 0, [this] { schnittstelleKonfigurieren(); });
    beiMenue(fenster_, Menue::mnuverbindung, 1, [this] { verbinden(); });
    beiMenue(fenster_, Menue::mnuHilfe, 1, [this] {
        const infotexte::Meldung info = infotexte::info(sprache);
        dialoge_.meldung(info.text, info.titel, Schaltflaechen::Ok, Symbol::Information);
    });
}

void Sitzung::verdrahteRahmen() {
    const Sprache sprachen[] = {Sprache::Deutsch, Sprache::Englisch, Sprache::Franzoesisch};
    const char* erste[] = {"ImDeutsch", "ImEng", "ImFranz"};
    for (int i = 0; i < 3; ++i) {
        const Sprache s = sprachen[i];
        beiKlick(fenster_, erste[i], [this, s] { ersteSpracheGewaehlt(s); });
        beiKlick(fenster_, qPrintable(QStringLiteral("ImSprache_%1").arg(i)),
                 [this, s] { spracheGewaehlt(s); });
    }
    beiKlick(fenster_, "cmdAbbruch", [this] { kern_.programmBeenden(); });
    beiKlick(fenster_, "cmdSpracheAbbruch", [this] { schliesseAufgabe("raSprache"); });
    beiKlick(fenster_, "cmdSchnittstellen", [this] { schnittstelleBestaetigt(); });
    beiKlick(fenster_, "cmdSchnittstellenAbbruch",
             [this] { schliesseAufgabe("raSchnittstellen"); });
    beiKlick(fenster_, "optLPT_0", [this] { parallelportGewaehlt(0); });
    beiKlick(fenster_, "optLPT_1", [this] { parallelportGewaehlt(1); });
    connect(fenster_.element<QComboBox>(QStringLiteral("cbCom")),
            QOverload<int>::of(&QComboBox::activated), this, [this](int i) { portGewaehlt(i); });
}
