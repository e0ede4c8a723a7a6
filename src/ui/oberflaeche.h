#pragma once

#include "link/dialogs.h"
#include "ui/main_view.h"
#include "ui/sprache.h"
#include "ui/texte.h"

// What a procedure needs to speak to the user: the window, message boxes,
// the loaded texts and the current language.
struct Oberflaeche {
    MainView& view;
    Dialogs& dialogs;
    const Texte& texte;
    const Sprache& sprache;

    // A failure inside a procedure: its description, ", SUB " and the name.
    void laufzeitfehler(const QString& beschreibung, const QString& prozedur) const {
        dialogs.meldung(beschreibung + QStringLiteral(", SUB ") + prozedur, QString(),
                        Schaltflaechen::Ok, Symbol::Kritisch);
    }
};
