#pragma once

#include <QTextStream>

#include "session/dialogs.h"

// Messages of a program without a window go to standard error. A question
// that could let the program go on is answered with Cancel, since nobody is
// there to decide.
class KonsolenDialoge : public Dialogs {
public:
    Antwort meldung(const QString& text, const QString& titel, Schaltflaechen knoepfe,
                    Symbol symbol) override;
    void programmBeenden() override { beendet_ = true; }
    bool beendet() const { return beendet_; }

private:
    bool beendet_ = false;
};
