#pragma once

#include <QTextStream>

#include "link/dialogs.h"
#include "ui/main_view.h"

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

// No window: the effects on it are dropped.
class OhneFenster : public MainView {
public:
    void setzeLampe(Lampe) override {}
    void zeigeVerbunden(bool) override {}
    void setzeSichtbar(Element, bool) override {}
    void setzeAktiv(Element, bool) override {}
    void setzeMenueAktiv(Menue, int, bool) override {}
    void setzeCountsTimer(bool) override {}
    void zeigeCounts(quint8, quint8) override {}
    void setzeFehlerzeile(const QString&, const QString&) override {}
    void setzeStatus(const QString&) override {}
    void setzeSkalenendwert(int) override {}
    void setzeUeberlaufText(const QString&, Farbe) override {}
};
