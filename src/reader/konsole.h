#pragma once

#include <QTextStream>

#include "link/dialogs.h"
#include "link/messzyklus.h"
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
    Lampe lampe() const override { return Lampe::Grau; }
    void zeigeVerbunden(bool) override {}
    void setzeSichtbar(Element, bool) override {}
    void setzeAktiv(Element, bool) override {}
    void setzeMenueAktiv(Menue, int, bool) override {}
    void setzeFehlerzeile(const QString&, const QString&) override {}
    void setzeStatus(const QString&) override {}
    void setzeSkalenendwert(int) override {}
    void setzeUeberlaufText(const QString&, Farbe) override {}
    void setzeText(const QString&, const QString&) override {}
    void setzeSichtbarkeit(const QString&, bool) override {}
    void setzeTextfarbe(const QString&, Farbe) override {}
    void setzeHintergrund(const QString&, Farbe) override {}
    void setzeZahl(const QString&, int) override {}
    void setzeAuswahl(const QString&, int) override {}
    void setzeEintrag(const QString&, int, const QString&) override {}
    void setzeZelle(const QString&, int, int, const QString&) override {}
    void setzeZellfarbe(const QString&, int, int, Farbe) override {}
    void setzeLaufzeiger(bool) override {}
    void setzeFenstertitel(const QString&) override {}
    void setzeTabAktiv(int, bool) override {}
    void waehleTab(int) override {}
};

// Without a window nobody polls: the live-value cycle is dropped too.
class OhneMesszyklus : public Messzyklus {
public:
    void setzeCountsTimer(bool) override {}
    void countsErhalten(quint8, quint8) override {}
};
