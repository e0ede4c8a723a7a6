#pragma once

#include <QList>
#include <QStringList>

#include "link/dialogs.h"
#include "ui/main_view.h"

// Records every effect on the window as a short line, e.g. "Lampe Grau".
class AufzeichnendeAnzeige : public MainView {
public:
    QStringList protokoll;
    bool countsTimer = false;

    void setzeLampe(Lampe farbe) override;
    void zeigeVerbunden(bool verbunden) override;
    void setzeSichtbar(Element e, bool sichtbar) override;
    void setzeAktiv(Element e, bool aktiv) override;
    void setzeMenueAktiv(Menue m, int index, bool aktiv) override;
    void setzeCountsTimer(bool an) override;
    void zeigeCounts(quint8 high, quint8 low) override;
    void setzeFehlerzeile(const QString& code, const QString& text) override;
    void setzeStatus(const QString& text) override;
    void setzeSkalenendwert(int prozent) override;
    void setzeUeberlaufText(const QString& text, Farbe farbe) override;
};

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
