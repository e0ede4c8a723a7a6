#pragma once

#include <QHash>
#include <QString>

#include "ui/main_view.h"

class Hauptfenster;
class QWidget;

// The effects of the link and the device model on the real main window.
class FensterAnzeige : public MainView {
public:
    explicit FensterAnzeige(Hauptfenster& fenster) : f_(fenster) {}

    void setzeLampe(Lampe farbe) override;
    void zeigeVerbunden(bool verbunden) override;
    void setzeSichtbar(Element e, bool sichtbar) override;
    void setzeAktiv(Element e, bool aktiv) override;
    void setzeMenueAktiv(Menue m, int index, bool aktiv) override;
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

    Lampe lampe() const override { return lampe_; }

private:
    QWidget* widget(Element e) const;
    QWidget* benannt(const QString& name) const;

    Hauptfenster& f_;
    mutable QHash<QString, QWidget*> gefunden_;
    Lampe lampe_ = Lampe::Grau;
    bool lampeNeu_ = true;
};
