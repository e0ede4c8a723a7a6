#pragma once

#include <QString>
#include <utility>

#include "features/counts_window.h"
#include "features/support_points.h"
#include "session/session.h"

// The access password: a page change asks for it before the service page
// opens; the check, the change dialog and storing a new one. Once accepted,
// the service settings stay open until the program ends.
class Password {
public:
    Password(Session& core, CountsWindow& counts, SupportPoints& points);

    void tabChanged(int tab);
    void PasswortPruefen(const QString& entered);
    void changePassword();
    void storePassword(const QString& password);
    void closePasswordFrame();
    // Changing the curve or the calibration needs the service password, as the
    // service page does, unless it was given already.
    bool serviceLocked();
    // The password was given another way (the command line asks for it itself).
    void serviceGranted() { serviceUnlocked_ = true; }

private:
    bool PasswortLesen();
    void askServicePassword();
    void showPasswordFrame(PasswordFrame f, const QString& text, bool checking);
    void unlockService();

    Session& core_;
    CountsWindow& counts_;
    SupportPoints& points_;
    QString Zugangspasswort;
    PasswordFrame frame_ = PasswordFrame::None;
    bool checking_ = true;           // the frame asks for the password, rather than saving one
    bool Passwortaenderung = false;  // the change dialog waits for the current password
    bool serviceOpen_ = false;       // the service page shows its data
    bool serviceUnlocked_ = false;   // the service password was accepted
    bool pointsShown_ = false;       // the page was open without a password before
};
