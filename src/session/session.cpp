#include "session/session.h"

#include <QDir>

#include "session/controls.h"
#include "session/show_units.h"
#include "session/show_values.h"
#include "session/status_texts.h"

namespace {

constexpr int CheckConnectionMs = 1000;
constexpr int StatusMs = 500;
constexpr int CountsMs = 10;

Aspect aspectOf(ControlSetting::Kind k) {
    return k == ControlSetting::Enabled   ? Aspect::Enabled
           : k == ControlSetting::Visible ? Aspect::Visible
                                          : Aspect::Value;
}

}  // namespace

Session::Session(Port& port, Clock& clock, Dialogs& dialogs, const QString& programFolder,
                 std::function<QStringList()> systemPorts)
    : progress(clock, [this](const ProgressState& p) { showProgress(p); }),
      port_(port),
      clock_(clock),
      dialogs_(dialogs),
      folder_(programFolder),
      systemPorts_(std::move(systemPorts)),
      link_(port, clock, linkState),
      timCheckVerb_(clock.timer([this] {
          // Tried again a second later; the language frame holds the check
          // back until it closes.
          if (busy() || state.task == Task::Language) return;
          timCheckVerb_->off();
          PruefeVerbindung();
      })),
      timStatus_(clock.timer([this] { timStatusTick(); })),
      timCounts_(clock.timer([this] { timCountsTick(); })) {
    timCheckVerb_->setIntervalMs(CheckConnectionMs);
    timStatus_->setIntervalMs(StatusMs);
    timCounts_->setIntervalMs(CountsMs);
}

Session::~Session() = default;

QString Session::file(const QString& name) const {
    return QDir(folder_).filePath(name);
}

void Session::refreshControls() {
    ControlInputs in;
    static_cast<SessionState&>(in) = state;
    events.controls(in);
    for (const ControlSetting& c : controlState(in, live))
        display.set(c.name, aspectOf(c.kind), c.on);
}

void Session::setCountsTimer(bool on) {
    if (on && !ending()) {
        timCounts_->on();
        return;
    }
    timCounts_->off();
    // Without polling the values on screen stop being the meter's.
    pauseLiveValues();
}

void Session::setLamp(Color c) {
    display.setBackground(QStringLiteral("Lampe"), c);
}

// The bar in the status bar's second panel, with the seconds left beside it.
void Session::showProgress(const ProgressState& p) {
    const QString bar = QStringLiteral("SB1_2");
    display.set(bar, Aspect::Visible, p.running);
    display.set(bar, Aspect::Value, p.percent);
    const QString restarting = startTexts::meterRestarting(language);
    display.setText(bar,
                    p.restarting ? restarting : startTexts::secondsLeft(language, p.secondsLeft));
    display.setText(QStringLiteral("lblNeustart"), restarting);
    if (state.restarting != p.restarting) {
        state.restarting = p.restarting;
        refreshControls();
    }
    events.progress(p);
}

void Session::setWaitCursor(bool on) {
    display.set(QStringLiteral("frmkor2"), Aspect::WaitCursor, on);
}

Answer Session::message(const QString& text, const QString& title, Buttons buttons, Symbol icon) {
    return dialogs_.message(text, title, buttons, icon);
}

bool Session::cancelledBy(Answer a) {
    if (a != Answer::Cancel) return false;
    endProgram();
    return true;
}

void Session::runtimeError(const QString& description, const QString& procedure) {
    message(description + QStringLiteral(", SUB ") + procedure, QString(), Buttons::Ok,
            Symbol::Critical);
}

void Session::timStatusTick() {
    setStatus({startTexts::pleaseWait});
    setLamp(display.background(QStringLiteral("Lampe")) == color::Grey ? color::Red : color::Grey);
}

void Session::loadUnits(const QString& path) {
    units = readUnits(path);
    if (!units.problems.isEmpty())
        message(problemMessage(units.problems, language), QLatin1String(Einheitentabelle::FileName),
                Buttons::Ok, Symbol::Warning);
    QStringList entries;
    for (const Unit& u : units.entries)
        entries << listText(u);
    showUnitLists(entries);
    Unit& e = settings.unit;
    // A settings file without a usable unit would divide every flow by zero.
    if (e.Einheit.isEmpty() || !(e.Umrechnungsfaktor > 0)) e = units.entries.first();
    EinheitenAnzeigen();
}

void Session::showUnitLists(const QStringList& entries) {
    for (const char* list : {"ListeEinheiten", "ListeEinheitenAnz", "ListeEinheitenloesch"})
        display.setItems(QLatin1String(list), entries);
}

void Session::WerteAnzeigen() {
    const QString failure = showValues(Columns::CurrentAndNew);
    if (!failure.isEmpty()) runtimeError(failure, QStringLiteral("WerteAnzeigen"));
}

// The lists are filled with their handlers held back, so that filling them
// changes no edit; the editors take the entries chosen afterwards.
QString Session::showValues(Columns columns) {
    state.Listensperre = 1;
    const ShownChoices c = ::WerteAnzeigen(meter, settings.unit, language, display, columns);
    state.Listensperre = 0;
    events.valuesShown(c);
    return c.failure;
}

void Session::discardEdits() {
    events.editsDiscarded();
    refreshControls();
}

void Session::EinheitenAnzeigen() {
    ::EinheitenAnzeigen(settings.unit, display);
}

void Session::endProgram() {
    if (ending()) return;
    link_.cancel();
    for (Timer* t : {timCheckVerb_.get(), timStatus_.get(), timCounts_.get()})
        t->off();
    events.ending();
    dialogs_.endProgram();
}

void Session::setStatus(StatusText text) {
    status_ = std::move(text);
    display.setText(QStringLiteral("SB1_1"), status_.wording(language));
}

// Hints wait while the meter is waited for, and never cover a text that asks
// the technician to act.
void Session::showHint(hintTexts::Area area, int index) {
    if (state.Initialisierung || status_.asksToAct) return;
    setStatus({[area, index](Language s) { return hintTexts::hint(area, index, s); }});
}
