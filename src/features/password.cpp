#include "features/password.h"
#include "config/language.h"
#include "files/password_file.h"

namespace {

constexpr int FileUnreadable = 3, TitleFileUnreadable = 4;
constexpr int WrongPassword = 9, StoreQuestion = 10, TitlePassword = 11;
constexpr int EnterPassword = 50, TitleEnterPassword = 51;

QString boxOf(PasswordFrame f) {
    return f == PasswordFrame::Service ? QStringLiteral("txtPasswortWD")
                                       : QStringLiteral("txtPasswortAna");
}

QString notStored(Language s, const QString& reason) {
    return choose(s, QStringLiteral("Das Passwort kann nicht gespeichert werden: "),
                  QStringLiteral("The password cannot be stored: "),
                  QStringLiteral("Le mot de passe ne peut pas être enregistré : ")) +
           reason;
}

}  // namespace

Password::Password(Session& core, CountsWindow& counts, SupportPoints& points)
    : core_(core), counts_(counts), points_(points) {
    core.events.addControls([this](ControlInputs& in) {
        in.passwordFrame = frame_;
        in.passwordChecking = checking_;
        in.serviceOpen = serviceOpen_;
        in.serviceUnlocked = serviceUnlocked_;
    });
}

// Reads the password file; a file that cannot be read is reported and
// keeps what it guards locked.
bool Password::PasswortLesen() {
    const passwordFile::ReadResult r =
        passwordFile::PasswortLesen(core_.file(QLatin1String(passwordFile::FileName)));
    if (!r.ok()) {
        core_.message(core_.texts[FileUnreadable], core_.texts[TitleFileUnreadable], Buttons::Ok,
                      Symbol::Critical);
        return false;
    }
    Zugangspasswort = r.password;
    return true;
}

void Password::tabChanged(int tab) {
    const int left = core_.state.tab;
    core_.state.tab = tab;
    if (left == page::Service && tab != page::Service) counts_.requestCounts(false);
    if (tab == page::Overview) frame_ = PasswordFrame::None;
    if (tab == page::Service && !serviceUnlocked_) askServicePassword();
    core_.refreshControls();
}

void Password::askServicePassword() {
    serviceOpen_ = false;
    frame_ = PasswordFrame::None;
    core_.refreshControls();
    if (!PasswortLesen()) return;
    if (Zugangspasswort == QLatin1String(passwordFile::NoPassword)) {
        serviceOpen_ = true;
        // The page starts on point 1, as after a password; later openings keep the point.
        if (!std::exchange(pointsShown_, true)) points_.showFirstPoint();
        return;
    }
    core_.message(core_.texts[EnterPassword], core_.texts[TitleEnterPassword], Buttons::Ok,
                  Symbol::Information);
    showPasswordFrame(PasswordFrame::Service, QString(), true);
}

void Password::showPasswordFrame(PasswordFrame f, const QString& text, bool checking) {
    frame_ = f;
    checking_ = checking;
    core_.display.put(boxOf(f), Aspect::Text, text);
    core_.display.set(boxOf(f), Aspect::Masked, checking);
    core_.focus(boxOf(f));
    core_.refreshControls();
}

void Password::PasswortPruefen(const QString& entered) {
    const PasswordFrame f = core_.state.tab == page::Service  ? PasswordFrame::Service
                            : core_.state.tab == page::Analog ? PasswordFrame::Change
                                                              : PasswordFrame::None;
    if (f == PasswordFrame::None || f != frame_) return;
    if (entered != Zugangspasswort) {
        if (core_.message(core_.texts[WrongPassword], core_.texts[TitlePassword],
                          Buttons::RetryCancel, Symbol::Information) == Answer::Retry) {
            core_.display.put(boxOf(f), Aspect::Text, QString());
            core_.focus(boxOf(f));
        } else {
            frame_ = PasswordFrame::None;
            core_.display.setSelection(QStringLiteral("regkor2"), page::Overview);
            tabChanged(page::Overview);
        }
        return;
    }
    if (Passwortaenderung) {
        Passwortaenderung = false;
        showPasswordFrame(f, entered, false);
    } else if (f == PasswordFrame::Service) {
        unlockService();
    }
}

void Password::unlockService() {
    frame_ = PasswordFrame::None;
    serviceUnlocked_ = serviceOpen_ = true;
    core_.display.setText(QStringLiteral("raweiteredaten"),
                          QStringLiteral("Fertigungsnummer = ") + core_.meter.Fertigungsnummer);
    points_.showFirstPoint();
    core_.refreshControls();
}

void Password::changePassword() {
    core_.display.setSelection(QStringLiteral("regkor2"), page::Analog);
    core_.state.tab = page::Analog;
    if (!PasswortLesen()) return;
    const bool none = Zugangspasswort == QLatin1String(passwordFile::NoPassword);
    Passwortaenderung = !none;
    showPasswordFrame(PasswordFrame::Change, none ? Zugangspasswort : QString(), !none);
}

void Password::storePassword(const QString& password) {
    // Only a frame that has accepted the current password offers saving.
    if (frame_ == PasswordFrame::None || checking_) return;
    if (const QString why = passwordFile::refusal(password); !why.isEmpty()) {
        core_.message(notStored(core_.language, why), core_.texts[TitlePassword], Buttons::Ok,
                      Symbol::Critical);
        return;
    }
    if (core_.message(core_.texts[StoreQuestion], core_.texts[TitlePassword], Buttons::YesNo,
                      Symbol::Question) == Answer::Yes) {
        QString error;
        if (!passwordFile::PasswortSchreiben(core_.file(QLatin1String(passwordFile::FileName)),
                                             password, error))
            core_.message(notStored(core_.language, error), core_.texts[TitlePassword], Buttons::Ok,
                          Symbol::Critical);
    }
    closePasswordFrame();
    core_.display.setSelection(QStringLiteral("regkor2"), page::Overview);
    tabChanged(page::Overview);
}

void Password::closePasswordFrame() {
    frame_ = PasswordFrame::None;
    core_.refreshControls();
}

bool Password::serviceLocked() {
    if (serviceUnlocked_) return false;
    return !PasswortLesen() || Zugangspasswort != QLatin1String(passwordFile::NoPassword);
}
