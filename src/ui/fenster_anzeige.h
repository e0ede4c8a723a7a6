#pragma once

#include <functional>

#include "ui/main_view.h"

class Hauptfenster;
class QWidget;

// The effects of the link and the device model on the real main window.
class FensterAnzeige : public MainView {
public:
    explicit FensterAnzeige(Hauptfenster& fenster) : f_(fenster) {}

    // Where the counts timer and the live values are served.
    std::function<void(bool)> beiCountsTimer;
    std::function<void(quint8, quint8)> beiCounts;

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

    Lampe lampe() const { return lampe_; }

private:
    QWidget* widget(Element e) const;

    Hauptfenster& f_;
    Lampe lampe_ = Lampe::Grau;
};
