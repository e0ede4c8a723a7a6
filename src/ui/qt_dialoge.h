#pragma once

#include <QWidget>

#include "session/dialogs.h"

// Message boxes as Qt dialogs over the main window; ending the program quits
// the application's event loops.
class QtDialoge : public Dialogs {
public:
    void setzeEltern(QWidget* eltern) { eltern_ = eltern; }
    Antwort meldung(const QString& text, const QString& titel, Schaltflaechen knoepfe,
                    Symbol symbol) override;
    void programmBeenden() override;

private:
    QWidget* eltern_ = nullptr;
};
