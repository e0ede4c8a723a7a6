#pragma once

#include <QList>
#include <QStringList>

#include "session/dialogs.h"

struct GezeigteMeldung {
    QString text;
    QString titel;
    Schaltflaechen knoepfe;
    Symbol symbol;
};

// Answers message boxes from a script (OK when the script is empty) and
// records every message shown.
class SkriptDialoge : public Dialogs {
public:
    QList<Antwort> antworten;
    QList<GezeigteMeldung> gezeigt;
    bool beendet = false;

    Antwort meldung(const QString& text, const QString& titel, Schaltflaechen knoepfe,
                    Symbol symbol) override;
    void programmBeenden() override { beendet = true; }
    QStringList texte() const;
};
