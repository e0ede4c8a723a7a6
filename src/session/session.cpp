#include "session/session.h"

#include <QDir>

#include "session/controls.h"
#include "session/show_units.h"
#include "session/show_values.h"
#include "session/status_texts.h"

namespace {

constexpr int CheckVerbMs = 1000;
constexpr int StatusMs = 500;
constexpr int CountsMs = 10;

}  // namespace

Session::Session(Port& port, Clock& clock, Dialogs& dialogs, const QString& programFolder,
                 std::function<QStringList()> systemPorts)
    : port_(port),
      clock_(clock),
      dialogs_(dialogs),
      folder_(programFolder),
      systemPorts_(std::move(systemPorts)),
      link_(port, clock, linkState),
      timCheckVerb_(clock.zeitgeber([this] {
          if (busy()) return;  // tried again a second later
          timCheckVerb_->aus();
          PruefeVerbindung();
      })),
      timStatus_(clock.zeitgeber([this] { timStatusTick(); })),
      timCounts_(clock.zeitgeber([this] { timCountsTick(); })) {
    timCheckVerb_->setzeIntervall(CheckVerbMs);
    timStatus_->setzeIntervall(StatusMs);
    timCounts_->setzeIntervall(CountsMs);
}

Session::~Session() = default;

QString Session::file(const QString& name) const {
    return QDir(folder_).filePath(name);
}

void Session::refreshControls() {
    for (const ControlSetting& c : controlState(state))
        display.set(c.name, c.kind == ControlSetting::Enabled ? Aspect::Enabled : Aspect::Visible,
                    c.on);
}

void Session::setCountsTimer(bool on) {
    if (on && !ending())
        timCounts_->an();
    else
        timCounts_->aus();
}

void Session::setLamp(Color c) {
    display.setBackground(QStringLiteral("Lampe"), c);
}

void Session::setWaitCursor(bool on) {
    display.set(QStringLiteral("frmkor2"), Aspect::WaitCursor, on);
}

Antwort Session::message(const QString& text, const QString& title, Schaltflaechen buttons,
                         Symbol icon) {
    return dialogs_.meldung(text, title, buttons, icon);
}

bool Session::cancelledBy(Antwort a) {
    if (a != Antwort::Abbrechen) return false;
    programmBeenden();
    return true;
}

void Session::runtimeError(const QString& description, const QString& procedure) {
    message(description + QStringLiteral(", SUB ") + procedure, QString(), Schaltflaechen::Ok,
            Symbol::Kritisch);
}

void Session::timStatusTick() {
    setStatus(starttexte::bitteWarten(language));
    setLamp(display.background(QStringLiteral("Lampe")) == color::Grey ? color::Red : color::Grey);
}

void Session::loadUnits(const QString& path) {
    units = EinheitenLesen(path);
    if (!units.probleme.isEmpty())
        message(problemMeldung(units.probleme, language), QStringLiteral("UNIT.CON"),
                Schaltflaechen::Ok, Symbol::Warnung);
    for (int i = 0; i < units.eintraege.size(); ++i)
        for (const char* list : {"ListeEinheiten", "ListeEinheitenAnz", "ListeEinheitenloesch"})
            display.setItem(QLatin1String(list), i, listentext(units.eintraege[i]));
    Masseinheit& e = settings.einheit;
    // A settings file without a usable unit would divide every flow by zero.
    if (e.Einheit.isEmpty() || !(e.Umrechnungsfaktor > 0)) e = units.eintraege.first();
    EinheitenAnzeigen();
}

void Session::WerteAnzeigen() {
    if (const QString failure = ::WerteAnzeigen(geraet, settings.einheit, edit, language, display);
        !failure.isEmpty())
        runtimeError(failure, QStringLiteral("WerteAnzeigen"));
}

void Session::EinheitenAnzeigen() {
    ::EinheitenAnzeigen(settings.einheit, display);
}

void Session::programmBeenden() {
    if (ending()) return;
    link_.cancel();
    for (Zeitgeber* t : {timCheckVerb_.get(), timStatus_.get(), timCounts_.get()})
        t->aus();
    dialogs_.programmBeenden();
}
