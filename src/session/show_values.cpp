#include "session/show_values.h"

#include <QStringList>
#include <cmath>
#include <stdexcept>

#include "config/zeitbasis.h"
#include "device/eeprom_auswerten.h"
#include "device/analogausgang.h"
#include "device/zahlen.h"
#include "device/zahlformat.h"
#include "session/info_texts.h"

using namespace analogausgang;

namespace {

constexpr int MaxFilterzeit = 5000;

void alle(DisplayModel& v, std::initializer_list<const char*> namen, const QString& text) {
    for (const char* n : namen)
        v.setText(QLatin1String(n), text);
}

void sichtbar(DisplayModel& v, std::initializer_list<const char*> namen, bool an) {
    for (const char* n : namen)
        v.setVisible(QLatin1String(n), an);
}

void analog(const Geraeteparameter& p, DisplayModel& v) {
    const Bereich b = bereich(p.Ausgangsart, p.Analogbereich);
    alle(v, {"lblGANAOUT", "lblKonfAnaOutAkt", "lblKonfAnaOutNeu", "lblNDAnalogausgang"},
         bereichText(b));
    alle(v, {"lblinfo_32", "lblinfo_50", "lblinfo_51", "frmND.lblinfo_8"}, einheit(b));
    const QStringList fehler = b == Bereich::I4_20   ? QStringList{"min", "max", "down", "up"}
                               : b == Bereich::I0_20 ? QStringList{"min", "max", "", "up"}
                                                     : QStringList{"min", "max", "", ""};
    for (int i = 0; i < 4; ++i)
        v.setItem(QStringLiteral("ListKonfErr"), i, fehler[i]);
    const int index = b == Bereich::I0_20   ? 0
                      : b == Bereich::I4_20 ? 1
                      : b == Bereich::U0_5  ? 2
                                            : 3;
    v.setSelection(QStringLiteral("ListAnalogAus"), index);
}

void polaritaet(DisplayModel& v, bool plus, std::initializer_list<const char*> plusBilder,
                std::initializer_list<const char*> minusBilder) {
    sichtbar(v, plusBilder, plus);
    sichtbar(v, minusBilder, !plus);
}

void frequenz(const Geraeteparameter& p, DisplayModel& v) {
    const bool variabel = p.Frequenzbereich == 0;
    v.setVisible(QStringLiteral("raNDFrequenzstandard"), !variabel);
    v.setVisible(QStringLiteral("raNDFrequenzvariabel"), variabel);
    if (variabel) {
        alle(v, {"lblFrequenzminAkt", "lblFrequenzmin", "lblNDFrequenzmin"},
             QString::number(p.FrequenzMin));
        alle(v, {"lblFrequenzmaxAkt", "lblFrequenzmax", "lblNDFrequenzmax"},
             QString::number(p.FrequenzMax));
        return;
    }
    const QString bereich = p.Frequenzbereich == 1   ? QStringLiteral("1 - 100")
                            : p.Frequenzbereich == 2 ? QStringLiteral("10 - 1000")
                                                     : QStringLiteral("100 - 10000");
    alle(v, {"lblKonfFrequenzAkt", "lblKonfFrequenzNeu", "lblFrequenz", "lblNDFrequenz"}, bereich);
    if (p.Frequenzbereich == 1 || p.Frequenzbereich == 2)
        v.setSelection(QStringLiteral("ListFrequenz"), p.Frequenzbereich - 1);
}

void schalt(const Geraeteparameter& p, DisplayModel& v) {
    alle(v, {"lblKonfSchaltMinAkt", "lblKonfSchaltMinNeu", "lblSchaltMin", "lblNDSchaltMin"},
         zahlformat::kurz(p.SchaltMin));
    alle(v, {"lblKonfSchaltMaxAkt", "lblKonfSchaltMaxNeu", "lblSchaltMax", "lblNDSchaltMax"},
         zahlformat::kurz(p.SchaltMax));
    const bool plus = p.Polaritaet == QLatin1String("Plus");
    polaritaet(v, plus, {"PicSchaltPolPlus", "PicKonfSchaltPolPlusAkt", "PicKonfSchaltPolPlusNeu"},
               {"PicSchaltPolMinus", "PicKonfSchaltPolMinusAkt", "PicKonfSchaltPolMinusNeu"});
    v.setText(QStringLiteral("lblNDSchaltPol"),
                plus ? QStringLiteral("Positiv") : QStringLiteral("Negativ"));
}

void impuls(const Geraeteparameter& p, const Masseinheit& e, Bearbeitung& b, DisplayModel& v) {
    b.Impulswertigkeit = float(rundeGerade(p.Impulswert * zeitbasis::faktor(e.Einheit), 1));
    const QString wert = zahlformat::kurz(b.Impulswertigkeit);
    alle(v, {"lblKonfImpWertAkt", "lblKonfImpWertNeu", "lblPulsWert", "lblNDWertigkeit"}, wert);
    v.put(QStringLiteral("txtKonfImpWert"), Aspect::Text, QString::number(double(b.Impulswertigkeit)));
    alle(v, {"lblKonfImpDauerAkt", "lblKonfImpDauerNeu", "lblPulsDauer", "lblNDDauer"},
         QStringLiteral("%1 ms").arg(p.Impulsdauer));
    const bool plus = p.Polaritaet == QLatin1String("Plus");
    polaritaet(v, plus, {"PicKonfImpPolPlusAkt", "picKonfImpPolPlusNeu", "PicImpPolPlus"},
               {"picKonfImpPolMinusAkt", "picKonfImpPolMinusNeu", "PicImpPolMinus"});
    v.setText(QStringLiteral("lblNDImpulsPol"),
                plus ? QStringLiteral("Positiv") : QStringLiteral("Negativ"));
}

void digital(const Geraeteparameter& p, const Masseinheit& e, Bearbeitung& b, DisplayModel& v) {
    const bool puls = p.Ausgangsart & 0x04, freq = p.Ausgangsart & 0x08,
               schaltet = p.Ausgangsart & 0x40;
    sichtbar(v, {"raImpuls", "raNDImpuls"}, puls);
    sichtbar(v, {"raFrequenz"}, freq);
    sichtbar(v, {"raSchalt", "raNDSchalt"}, schaltet);
    sichtbar(v, {"raNDFrequenzstandard", "raNDFrequenzvariabel"}, false);
    if (freq) frequenz(p, v);
    if (schaltet) schalt(p, v);
    if (puls) impuls(p, e, b, v);
}

void fehlerUndUeberlauf(const Geraeteparameter& p, Sprache s, DisplayModel& v) {
    const int verhalten = fehlerverhalten(p.Analogbereich);
    if (verhalten >= 0) v.setSelection(QStringLiteral("ListKonfErr"), verhalten);
    alle(v, {"lblERR", "lblKonfErrAkt", "lblKonfErrNeu", "lblNDAusgangFehler"},
         fehlerText(verhalten));
    const bool aktiv = p.Ueberlauf == 1;
    v.setSelection(QStringLiteral("ListUeberlauf"), aktiv ? 0 : 1);
    if (s != Sprache::Unbekannt)
        alle(v, {"lblKonfULAkt", "lblKonfULNeu", "lblNDUL"}, infotexte::ueberlaufWort(s, aktiv));
}

// The line under the live values that says whether the overflow range is on.
void ueberlaufZeile(bool aktiv, Sprache s, DisplayModel& v) {
    v.setText(QStringLiteral("lblUeberlauf"), infotexte::ueberlaufText(s, aktiv));
    v.setTextColor(QStringLiteral("lblUeberlauf"), aktiv ? color::Blue : color::Red);
}

void bereichswerte(const Geraeteparameter& p, const Masseinheit& e, DisplayModel& v) {
    alle(v, {"lblMEW", "lblKonfMEWAkt", "lblKonfMEWNeu", "lblNDMew"},
         zahlformat::gerundet(p.MEW, 4));
    alle(v, {"lblMOG", "lblKonfMOGAkt", "lblKonfMOGNeu"}, zahlformat::mitVorzeichenstelle(p.MOG));
    if (e.Normzustand.size() > 2)
        v.setText(QStringLiteral("lblNorm"), e.Normzustand + QStringLiteral("  ") + e.Gasart);
    const double t = filterzeit(p.Filterfaktor);
    const int ms = int(std::lround(t));
    alle(v, {"lblFILTFAKT", "lblKonfFiltfaktAkt", "lblKonfFiltFaktNeu"}, QString::number(ms));
    v.setText(QStringLiteral("lblNDFilterfaktor"), QStringLiteral("%1 ms").arg(ms));
    v.put(QStringLiteral("hscKonfFiltfakt"), Aspect::Value, qMin(ms, MaxFilterzeit));
    alle(v, {"lblSCHLEICH", "lblKonfSchleichAkt", "lblKonfSchleichNeu", "lblNDSchleichmenge"},
         zahlformat::fest(p.Schleichmenge, 4));
}

}  // namespace

double filterzeit(qint32 filterfaktor) {
    if (filterfaktor <= 0)
        throw std::domain_error("Ungültiger Prozeduraufruf oder ungültiges Argument");
    const double log = std::log(filterfaktor / 65535.0);
    if (log == 0) throw std::domain_error("Division durch Null");
    return -1.0 / log;
}

QString WerteAnzeigen(const Geraeteparameter& p, const Masseinheit& e, Bearbeitung& b, Sprache s,
                      DisplayModel& v) {
    QString failure;
    b.Listensperre = 1;
    try {
        analog(p, v);
        digital(p, e, b, v);
        fehlerUndUeberlauf(p, s, v);
        bereichswerte(p, e, v);
        v.setText(QStringLiteral("lblFNr"), p.Fertigungsnummer);
        v.setText(QStringLiteral("lblVersion"), p.Firmwareversion);
    } catch (const std::exception& f) {
        failure = QString::fromUtf8(f.what());
    }
    b.Listensperre = 0;
    return failure;
}

void UeberlaufAnzeigen(const Geraeteparameter& p, Sprache s, DisplayModel& v) {
    const bool bekannt = ueberlaufBekannt(p);
    const bool aktiv = bekannt && p.Ueberlauf == 1;
    for (const char* name : {"chkKonfAnalog_5", "lblKonfULAkt", "lblUeberlauf"})
        v.setVisible(QLatin1String(name), aktiv);
    for (const char* name : {"AnzAnalog", "AnzSignal"})
        v.set(QLatin1String(name), Aspect::Maximum, aktiv ? 110 : 100);
    if (bekannt && s != Sprache::Unbekannt) ueberlaufZeile(aktiv, s, v);
}

void UeberlaufTexte(bool aktiv, Sprache s, DisplayModel& v) {
    if (s == Sprache::Unbekannt) return;
    ueberlaufZeile(aktiv, s, v);
    alle(v, {"lblKonfULAkt", "lblKonfULNeu"}, infotexte::ueberlaufWort(s, aktiv));
}
