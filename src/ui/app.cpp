#include "ui/app.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>

#include "session/info_texts.h"
#include "ui/texte_anwenden.h"

namespace {

template <typename F>
void onClick(Hauptfenster& w, const char* name, F handler) {
    QObject::connect(w.element<QAbstractButton>(QString::fromUtf8(name)),
                     &QAbstractButton::clicked, handler);
}

template <typename F>
void onMenu(Hauptfenster& w, Menue m, int index, F handler) {
    QObject::connect(w.menueEintrag(m, index), &QAction::triggered, handler);
}

}  // namespace

App::App(Port& port, Clock& clock, Dialogs& dialogs, const QString& programFolder,
         std::function<QStringList()> systemPorts)
    : renderer_(window_), session_(port, clock, dialogs, programFolder, std::move(systemPorts)) {
    session_.display.setListener([this](const QString& name, Aspect a, const QVariant& v) {
        renderer_.render(name, a, v);
    });
    session_.onLanguageChanged([this](Sprache s) { applyCaptions(s); });
    connect(&window_, &Hauptfenster::geschlossen, this, [this] { session_.programmBeenden(); });
    wireMenus();
    wireFrames();
}

App::~App() {
    session_.display.setListener({});
}

// Captions come from the caption table; a text the session published for a
// captioned control (the title, the overflow line) is put back on top.
void App::applyCaptions(Sprache s) {
    TexteAnwenden(window_, s);
    renderer_.restoreTexts(session_.display, beschrifteteElemente());
}

void App::wireMenus() {
    onMenu(window_, Menue::mnudatei, 7, [this] { session_.openLanguageTask(); });
    onMenu(window_, Menue::mnudatei, 15, [this] { session_.programmBeenden(); });
    onMenu(window_, Menue::mnuverbindung, 0, [this] { session_.configurePort(); });
    onMenu(window_, Menue::mnuverbindung, 1, [this] { session_.connectMeter(); });
    onMenu(window_, Menue::mnuHilfe, 1, [this] {
        const infotexte::Meldung info = infotexte::info(session_.language);
        session_.message(info.text, info.titel, Schaltflaechen::Ok, Symbol::Information);
    });
}

void App::wireFrames() {
    const Sprache languages[] = {Sprache::Deutsch, Sprache::Englisch, Sprache::Franzoesisch};
    const char* first[] = {"ImDeutsch", "ImEng", "ImFranz"};
    for (int i = 0; i < 3; ++i) {
        const Sprache s = languages[i];
        onClick(window_, first[i], [this, s] { session_.chooseFirstLanguage(s); });
        onClick(window_, qPrintable(QStringLiteral("ImSprache_%1").arg(i)),
                [this, s] { session_.chooseLanguage(s); });
    }
    onClick(window_, "cmdAbbruch", [this] { session_.programmBeenden(); });
    onClick(window_, "cmdSpracheAbbruch", [this] { session_.closeTask(); });
    onClick(window_, "cmdSchnittstellen", [this] { session_.confirmPort(); });
    onClick(window_, "cmdSchnittstellenAbbruch", [this] { session_.closeTask(); });
    onClick(window_, "optLPT_0", [this] { session_.chooseParallelPort(0); });
    onClick(window_, "optLPT_1", [this] { session_.chooseParallelPort(1); });
    connect(window_.element<QComboBox>(QStringLiteral("cbCom")),
            QOverload<int>::of(&QComboBox::activated), this,
            [this](int i) { session_.choosePort(i); });
}
