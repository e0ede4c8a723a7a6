#include "config/language.h"
#include "files/password_file.h"
#include "session/session.h"

namespace {

constexpr int FileUnreadable = 3, TitleFileUnreadable = 4;
constexpr int WrongPassword = 9, StoreQuestion = 10, TitlePassword = 11;
constexpr int EnterPassword = 50, TitleEnterPassword = 51;
constexpr int OverviewPage = 0, AnalogPage = 1, ServicePage = 3;

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

// Reads the password file; a file that cannot be read is reported and
// keeps what it guards locked.
bool Session::PasswortLesen() {
    const passwordFile::ReadResult r =
        passwordFile::PasswortLesen(file(QLatin1String(passwordFile::FileName)));
    if (!r.ok()) {
        message(texts[FileUnreadable], texts[TitleFileUnreadable], Buttons::Ok, Symbol::Critical);
        return false;
    }
    Zugangspasswort = r.password;
    return true;
}

void Session::tabChanged(int tab) {
    const int left = state.tab;
    state.tab = tab;
    if (left == ServicePage && tab != ServicePage) requestCounts(false);
    if (tab == OverviewPage) state.passwordFrame = PasswordFrame::None;
    if (tab == ServicePage && !state.serviceUnlocked) askServicePassword();
    refreshControls();
}

void Session::askServicePassword() {
    state.serviceOpen = false;
    state.passwordFrame = PasswordFrame::None;
    refreshControls();
    if (!PasswortLesen()) return;
    if (Zugangspasswort == QLatin1String(passwordFile::NoPassword)) {
        state.serviceOpen = true;
        return;
    }
    message(texts[EnterPassword], texts[TitleEnterPassword], Buttons::Ok, Symbol::Information);
    showPasswordFrame(PasswordFrame::Service, QString(), true);
}

void Session::showPasswordFrame(PasswordFrame f, const QString& text, bool checking) {
    state.passwordFrame = f;
    state.passwordChecking = checking;
    display.put(boxOf(f), Aspect::Text, text);
    display.set(boxOf(f), Aspect::Masked, checking);
    focus(boxOf(f));
    refreshControls();
}

void Session::PasswortPruefen(const QString& entered) {
    const PasswordFrame f = state.tab == ServicePage  ? PasswordFrame::Service
                            : state.tab == AnalogPage ? PasswordFrame::Change
                                                      : PasswordFrame::None;
    if (f == PasswordFrame::None || f != state.passwordFrame) return;
    if (entered != Zugangspasswort) {
        if (message(texts[WrongPassword], texts[TitlePassword], Buttons::RetryCancel,
                    Symbol::Information) == Answer::Retry) {
            display.put(boxOf(f), Aspect::Text, QString());
            focus(boxOf(f));
        } else {
            state.passwordFrame = PasswordFrame::None;
            display.setSelection(QStringLiteral("regkor2"), OverviewPage);
            tabChanged(OverviewPage);
        }
        return;
    }
    if (state.Passwortaenderung) {
        state.Passwortaenderung = false;
        showPasswordFrame(f, entered, false);
    } else if (f == PasswordFrame::Service) {
        unlockService();
    }
}

void Session::unlockService() {
    state.passwordFrame = PasswordFrame::None;
    state.serviceUnlocked = state.serviceOpen = true;
    display.setText(QStringLiteral("raweiteredaten"),
                    QStringLiteral("Fertigungsnummer = ") + meter.Fertigungsnummer);
    selectPoint(1);
    state.pointsChanged = false;
    refreshControls();
}

void Session::changePassword() {
    display.setSelection(QStringLiteral("regkor2"), AnalogPage);
    state.tab = AnalogPage;
    if (!PasswortLesen()) return;
    const bool none = Zugangspasswort == QLatin1String(passwordFile::NoPassword);
    state.Passwortaenderung = !none;
    showPasswordFrame(PasswordFrame::Change, none ? Zugangspasswort : QString(), !none);
}

void Session::storePassword(const QString& password) {
    // Only a frame that has accepted the current password offers saving.
    if (state.passwordFrame == PasswordFrame::None || state.passwordChecking) return;
    if (const QString why = passwordFile::refusal(password); !why.isEmpty()) {
        message(notStored(language, why), texts[TitlePassword], Buttons::Ok, Symbol::Critical);
        return;
    }
    if (message(texts[StoreQuestion], texts[TitlePassword], Buttons::YesNo, Symbol::Question) ==
        Answer::Yes) {
        QString error;
        if (!passwordFile::PasswortSchreiben(file(QLatin1String(passwordFile::FileName)), password,
                                             error))
            message(notStored(language, error), texts[TitlePassword], Buttons::Ok,
                    Symbol::Critical);
    }
    closePasswordFrame();
    display.setSelection(QStringLiteral("regkor2"), OverviewPage);
    tabChanged(OverviewPage);
}

void Session::closePasswordFrame() {
    state.passwordFrame = PasswordFrame::None;
    refreshControls();
}
