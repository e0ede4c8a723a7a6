#include "ui/app.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

#include "session/info_texts.h"
#include "ui/texte_anwenden.h"

namespace {

template <typename F>
void onClick(MainWindow& w, const char* name, F handler) {
    QObject::connect(w.element<QAbstractButton>(QString::fromUtf8(name)), &QAbstractButton::clicked,
                     handler);
}

template <typename F>
void onMenu(MainWindow& w, Menu m, int index, F handler) {
    QObject::connect(w.menuEntry(m, index), &QAction::triggered, handler);
}

}  // namespace

App::App(Port& port, Clock& clock, Dialogs& dialogs, const QString& programFolder,
         std::function<QStringList()> systemPorts)
    : renderer_(window_),
      pacer_(clock, [this](const QString& name, Aspect a,
                           const QVariant& v) { renderer_.render(name, a, v); }),
      session_(port, clock, dialogs, programFolder, std::move(systemPorts)) {
    session_.display.setListener(
        [this](const QString& name, Aspect a, const QVariant& v) { pacer_.publish(name, a, v); });
    session_.events.onLanguageChanged([this](Language s) { applyCaptions(s); });
    connect(&window_, &MainWindow::closed, this, [this] { session_.endProgram(); });
    wireMenus();
    wireFrames();
    wireUnits();
    wireEditors();
    wireDeviceData();
    wireHints();
    wirePassword();
    wireSupportPoints();
    wireCounts();
    wireLogging();
    wireTrend();
    wireReports();
}

App::~App() {
    session_.display.setListener({});
}

// Captions come from the caption table; a text the session published for a
// captioned control (the title, the overflow line) is put back on top. Qt's
// own dialogs follow the language too, so a message that names its buttons
// names the buttons it shows.
void App::applyCaptions(Language s) {
    qtTexts_.use(s);
    TexteAnwenden(window_, s);
    renderer_.restoreTexts(session_.display, captionedControls());
}

void App::wireMenus() {
    onMenu(window_, Menu::mnusicher, 0, [this] { features_.write.KonfigurationSchreiben(); });
    onMenu(window_, Menu::mnusicher, 2, [this] { features_.snapshots.restoreFromMenu(); });
    onMenu(window_, Menu::mnudatei, 2, [this] { features_.deviceData.saveConfigAs(); });
    onMenu(window_, Menu::mnudatei, 4, [this] { features_.deviceData.deleteConfig(); });
    onMenu(window_, Menu::mnudatei, 7, [this] { features_.languages.openLanguageTask(); });
    onMenu(window_, Menu::mnudatei, 8, [this] { features_.units.openUnitTask(Task::Units); });
    onMenu(window_, Menu::mnudatei, 10, [this] { features_.units.openUnitTask(Task::UnitAdd); });
    onMenu(window_, Menu::mnudatei, 11, [this] { features_.units.openUnitTask(Task::UnitDelete); });
    onMenu(window_, Menu::mnudatei, 15, [this] { session_.endProgram(); });
    onMenu(window_, Menu::mnuverbindung, 0, [this] { features_.ports.configurePort(); });
    onMenu(window_, Menu::mnuverbindung, 1, [this] { session_.connectMeter(); });
    onMenu(window_, Menu::mnuHilfe, 1, [this] {
        const infoTexts::Message info = infoTexts::info(session_.language);
        session_.message(info.text, info.title, Buttons::Ok, Symbol::Information);
    });
}

void App::wireUnits() {
    const auto onRow = [this](const char* list, auto handler) {
        connect(window_.element<QListWidget>(QLatin1String(list)), &QListWidget::itemClicked, this,
                [this, list, handler](QListWidgetItem* item) {
                    (features_.units.*
                     handler)(window_.element<QListWidget>(QLatin1String(list))->row(item));
                });
    };
    onRow("ListeEinheiten", &Units::selectUnit);
    onRow("ListeEinheitenloesch", &Units::deleteUnit);
    const std::pair<const char*, UnitField> boxes[] = {{"txtEinheitName", UnitField::Name},
                                                       {"TxtEinheitFaktor", UnitField::Factor},
                                                       {"txtNormzustand", UnitField::Condition},
                                                       {"txtGasart", UnitField::Gas}};
    for (const auto& [name, field] : boxes) {
        auto* box = window_.element<QLineEdit>(QLatin1String(name));
        connect(box, &QLineEdit::textEdited, this, [this, box, field = field](const QString& t) {
            const QString shown = features_.units.unitFieldChanged(field, t);
            if (shown != t) box->setText(shown);
        });
    }
    onClick(window_, "cmdEinheitspeichern", [this] { features_.units.storeUnit(); });
    for (const char* close : {"cmdEinheitenwahl", "cmdEinheitabbrechen", "cmdEinheitenabbruch"})
        onClick(window_, close, [this] { session_.closeTask(); });
}

void App::wireFrames() {
    const Language languages[] = {Language::German, Language::English, Language::French};
    const char* first[] = {"ImDeutsch", "ImEng", "ImFranz"};
    for (int i = 0; i < 3; ++i) {
        const Language s = languages[i];
        onClick(window_, first[i], [this, s] { features_.languages.chooseFirstLanguage(s); });
        onClick(window_, qPrintable(QStringLiteral("ImSprache_%1").arg(i)),
                [this, s] { features_.languages.chooseLanguage(s); });
    }
    onClick(window_, "cmdAbbruch", [this] { session_.endProgram(); });
    onClick(window_, "cmdSpracheAbbruch", [this] { session_.closeTask(); });
    onClick(window_, "cmdSchnittstellen", [this] { features_.ports.confirmPort(); });
    onClick(window_, "cmdSchnittstellenAbbruch", [this] { session_.closeTask(); });
    onClick(window_, "optLPT_0", [this] { features_.ports.chooseParallelPort(0); });
    onClick(window_, "optLPT_1", [this] { features_.ports.chooseParallelPort(1); });
    connect(window_.element<QComboBox>(QStringLiteral("cbCom")),
            QOverload<int>::of(&QComboBox::activated), this,
            [this](int i) { features_.ports.choosePort(i); });
}
