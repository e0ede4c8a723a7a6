#pragma once

#include <QList>
#include <QMap>
#include <QStringList>

#include "link/dialogs.h"
#include "link/messzyklus.h"
#include "ui/main_view.h"

// Records every effect on the window as a short line, e.g. "Lampe Grau" or
// "lblMEW = 150", and keeps the last text of every control.
class AufzeichnendeAnzeige : public MainView, public Messzyklus {
public:
    QStringList protokoll;
    QMap<QString, QString> texte;
    bool countsTimer = false;

    QString text(const QString& name) const { return texte.value(name); }
    // The lines recorded for one control.
    QStringList zu(const QString& name) const;

    void setzeLampe(Lampe farbe) override;
    Lampe lampe() const override { return lampe_; }
    void zeigeVerbunden(bool verbunden) override;
    void setzeSichtbar(Element e, bool sichtbar) override;
    void setzeAktiv(Element e, bool aktiv) override;
    void setzeMenueAktiv(Menue m, int index, bool aktiv) override;
    void setzeCountsTimer(bool an) override;
    void countsErhalten(quint8 high, quint8 low) override;
    void setzeFehlerzeile(const QString& code, const QString& text) override;
    void setzeStatus(const QString& text) override;
    void setzeSkalenendwert(int prozent) override;
    void setzeUeberlaufText(const QString& text, Farbe farbe) override;
    void setzeText(const QString& name, const QString& text) override;
    void setzeSichtbarkeit(const QString& name, bool sichtbar) override;
    void setzeTextfarbe(const QString& name, Farbe farbe) override;
    void setzeHintergrund(const QString& name, Farbe farbe) override;
    void setzeZahl(const QString& name, int wert) override;
    void setzeAuswahl(const QString& liste, int index) override;
    void setzeEintrag(const QString& liste, int index, const QString& text) override;
    void setzeZelle(const QString& raster, int zeile, int spalte, const QString& text) override;
    void setzeZellfarbe(const QString& raster, int zeile, int spalte, Farbe farbe) override;
    void setzeLaufzeiger(bool warten) override;
    void setzeFenstertitel(const QString& titel) override;
    void setzeTabAktiv(int tab, bool aktiv) override;
    void waehleTab(int tab) override;

private:
    Lampe lampe_ = Lampe::Grau;
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
