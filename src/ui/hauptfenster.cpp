#include "ui/hauptfenster.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QVBoxLayout>

#include "ui/bausteine.h"
#include "ui/frm_nd.h"
#include "ui/seiten.h"
#include "ui/texte_anwenden.h"

namespace {

constexpr int BreiteTwips = 13080;
constexpr int HoeheTwips = 9240;

struct Menuefeld {
    Menue menue;
    int eintraege;
    QList<int> trenner;
};

const Menuefeld Menuefelder[] = {
    {Menue::mnudatei, 16, {1, 6, 9, 12, 14}},
    {Menue::mnuverbindung, 2, {}},
    {Menue::mnusicher, 2, {}},
    {Menue::mnuHilfe, 2, {}},
};

}  // namespace

Hauptfenster::Hauptfenster() {
    setObjectName(QStringLiteral("frmkor2"));
    menuesAnlegen();
    setCentralWidget(inhalt());
    auto* leiste = new QStatusBar;
    leiste->setObjectName(QStringLiteral("SB1"));
    status_ = new QLabel;
    status_->setObjectName(QStringLiteral("SB1_1"));
    leiste->addWidget(status_, 1);
    setStatusBar(leiste);
    // Until a language is chosen the window shows its German design captions.
    beschriftungenSetzen(this, "frmkor2", Sprache::Deutsch);
    resize(bausteine::px(BreiteTwips), bausteine::px(HoeheTwips));
    if (const QScreen* s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
}

void Hauptfenster::menuesAnlegen() {
    int haupt = 0;
    for (const Menuefeld& f : Menuefelder) {
        QMenu* menue = menuBar()->addMenu(QString());
        menue->menuAction()->setObjectName(bausteine::element("mnuhaupt", haupt++));
        for (int i = 0; i < f.eintraege; ++i) {
            QAction* a =
                f.trenner.contains(i) ? menue->addSeparator() : menue->addAction(QString());
            a->setObjectName(QStringLiteral("%1_%2").arg(menueName(f.menue)).arg(i));
        }
    }
}

QWidget* Hauptfenster::inhalt() {
    regkor2_ = new QTabWidget;
    regkor2_->setObjectName(QStringLiteral("regkor2"));
    for (QWidget* seite : {seiten::geraetedaten(), seiten::analogausgang(),
                           seiten::digitalausgang(), seiten::service()}) {
        // The window keeps its designed size; a page larger than the screen scrolls.
        auto* rolle = new QScrollArea;
        rolle->setWidget(seite);
        rolle->setWidgetResizable(true);
        rolle->setFrameShape(QFrame::NoFrame);
        regkor2_->addTab(rolle, QString());
    }
    auto* w = new QWidget;
    auto* l = new QVBoxLayout(w);
    l->addWidget(seiten::spracheBeginn());
    l->addWidget(seiten::kopf());
    l->addWidget(regkor2_, 1);
    for (QWidget* unten :
         {seiten::aktuell(), seiten::schnittstellen(), seiten::sprache(), seiten::einheiten(),
          seiten::einheitenHinzufuegen(), seiten::einheitenLoeschen()})
        l->addWidget(unten);
    return w;
}

QAction* Hauptfenster::menueEintrag(Menue m, int index) const {
    return findChild<QAction*>(QStringLiteral("%1_%2").arg(menueName(m)).arg(index));
}

FrmND& Hauptfenster::frmND() {
    if (!frmND_) frmND_ = new FrmND(this);
    return *frmND_;
}

void Hauptfenster::closeEvent(QCloseEvent* e) {
    e->accept();
    emit geschlossen();
}
