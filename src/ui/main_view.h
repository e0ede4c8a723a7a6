#pragma once

#include <QString>
#include <QtGlobal>

// What the link and the device model change on the main window. The window
// implements it; tests record the calls.
enum class Lampe { Gruen, Grau, Rot };

// A colour as 0xRRGGBB, or a system colour of the desktop (bit 31 set).
using Farbe = quint32;

namespace farbe {
constexpr Farbe Rot = 0xFF0000;
constexpr Farbe Blau = 0x0000FF;
constexpr Farbe Gruen = 0x00FF00;
constexpr Farbe Grau = 0xC0C0C0;
constexpr Farbe Hellgelb = 0xFFFFC0;
constexpr Farbe SystemTooltip = 0x80000018;      // background of tooltips
constexpr Farbe SystemTooltipText = 0x80000017;  // text of tooltips
constexpr Farbe SystemFenster = 0x80000005;      // background of windows and grids
}  // namespace farbe

enum class Menue { mnuhaupt, mnudatei, mnuverbindung, mnusicher, mnuHilfe };

enum class Element {
    raAktuell,
    AnzAnalog,
    cmdNDspeichern,
    cmdNDLesen,
    chkKonfAnalogUeberlauf,  // element 5 of chkKonfAnalog
    lblKonfULAkt,
    lblUeberlauf,
};

// The objectName of a menu control array and of an element.
QString menueName(Menue m);
QString elementName(Element e);

class MainView {
public:
    virtual ~MainView() = default;
    virtual void setzeLampe(Lampe farbe) = 0;
    virtual Lampe lampe() const = 0;
    // Picconnect shown and Picdisconnect hidden, or the other way round.
    virtual void zeigeVerbunden(bool verbunden) = 0;
    virtual void setzeSichtbar(Element e, bool sichtbar) = 0;
    virtual void setzeAktiv(Element e, bool aktiv) = 0;
    virtual void setzeMenueAktiv(Menue m, int index, bool aktiv) = 0;
    // Row 1 of the error grid tabError.
    virtual void setzeFehlerzeile(const QString& code, const QString& text) = 0;
    virtual void setzeStatus(const QString& text) = 0;
    // Full scale of both bar gauges, 100 or 110 per cent.
    virtual void setzeSkalenendwert(int prozent) = 0;
    virtual void setzeUeberlaufText(const QString& text, Farbe farbe) = 0;

    // Controls by their names. Controls of the device data window that share a
    // name with the main window's are named "frmND.name".
    virtual void setzeText(const QString& name, const QString& text) = 0;
    virtual void setzeSichtbarkeit(const QString& name, bool sichtbar) = 0;
    virtual void setzeTextfarbe(const QString& name, Farbe farbe) = 0;
    virtual void setzeHintergrund(const QString& name, Farbe farbe) = 0;
    // Gauge and scroll bar positions.
    virtual void setzeZahl(const QString& name, int wert) = 0;
    virtual void setzeAuswahl(const QString& liste, int index) = 0;
    virtual void setzeEintrag(const QString& liste, int index, const QString& text) = 0;
    virtual void setzeZelle(const QString& raster, int zeile, int spalte, const QString& text) = 0;
    virtual void setzeZellfarbe(const QString& raster, int zeile, int spalte, Farbe farbe) = 0;
    virtual void setzeLaufzeiger(bool warten) = 0;
    virtual void setzeFenstertitel(const QString& titel) = 0;
    virtual void setzeTabAktiv(int tab, bool aktiv) = 0;
    virtual void waehleTab(int tab) = 0;
};
