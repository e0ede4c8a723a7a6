#pragma once

#include <QString>
#include <QtGlobal>

// What the link and the device model change on the main window. The window
// implements it; tests record the calls.
enum class Lampe { Gruen, Grau, Rot };

// A colour as 0xRRGGBB.
using Farbe = quint32;

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

class MainView {
public:
    virtual ~MainView() = default;
    virtual void setzeLampe(Lampe farbe) = 0;
    // Picconnect shown and Picdisconnect hidden, or the other way round.
    virtual void zeigeVerbunden(bool verbunden) = 0;
    virtual void setzeSichtbar(Element e, bool sichtbar) = 0;
    virtual void setzeAktiv(Element e, bool aktiv) = 0;
    virtual void setzeMenueAktiv(Menue m, int index, bool aktiv) = 0;
    virtual void setzeCountsTimer(bool an) = 0;
    // A valid counts reply: the live values are computed and shown from it.
    virtual void zeigeCounts(quint8 high, quint8 low) = 0;
    // Row 1 of the error grid tabError.
    virtual void setzeFehlerzeile(const QString& code, const QString& text) = 0;
    virtual void setzeStatus(const QString& text) = 0;
    // Full scale of both bar gauges, 100 or 110 per cent.
    virtual void setzeSkalenendwert(int prozent) = 0;
    virtual void setzeUeberlaufText(const QString& text, Farbe farbe) = 0;
};
