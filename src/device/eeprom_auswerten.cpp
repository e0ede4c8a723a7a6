#include "device/eeprom_auswerten.h"

#include <cmath>
#include <cstring>
#include <stdexcept>

#include "link/byte_order.h"
#include "device/eeprom_map.h"
#include "link/umrechnungen.h"
#include "device/zahlen.h"

namespace {

constexpr double ErsterFirmwareMitUeberlauf = 3.0;
constexpr qint32 FilterfaktorStandard = 62000;

// Reads EEPROM addresses out of the reply, whose first byte is the DLE.
class Abbild {
public:
    explicit Abbild(const QByteArray& puffer) : p_(puffer) {}
    quint8 byte(int a) const { return bytefolge::leseByte(p_, a + 1); }
    quint16 word16(int a) const { return bytefolge::leseWord16(p_, a + 1); }
    qint16 word16Signed(int a) const { return bytefolge::leseWord16Signed(p_, a + 1); }
    float float32(int a) const { return bytefolge::leseFloat32(p_, a + 1); }
    quint32 dword32(int a) const { return bytefolge::leseDWord32(p_, a + 1); }
    QString text(int a, int n) const { return bytefolge::leseText(p_, a + 1, n); }

private:
    const QByteArray& p_;
};

class DivisionDurchNull : public std::domain_error {
public:
    DivisionDurchNull() : std::domain_error("Division durch Null") {}
};

float inEinheit(float kgh, const Masseinheit& e) {
    if (e.Umrechnungsfaktor == 0) throw DivisionDurchNull();
    return float(kgh / e.Umrechnungsfaktor);
}

// Erased calibration fields read as negative NaNs; they and negative values count as 0.
float imBereich(float wert) {
    return std::signbit(wert) ? 0.0f : wert;
}

void leseStuetzstellen(const Abbild& a, Geraeteparameter& p) {
    for (int i = 1; i <= p.StpAnzahl; ++i) {
        if (i > Geraeteparameter::MaxStuetzstellen)
            throw umrechnungen::IndexFehler("Index außerhalb des gültigen Bereichs");
        const int basis = adresse::StpErster + adresse::StpAbstand * (i - 1);
        p.StpCounts[size_t(i)] = a.word16(basis);
        p.StpFlow[size_t(i)] = a.float32(basis + adresse::StpFlussVersatz);
    }
}

void berechneImpulsbasis(Geraeteparameter& p) {
    const double s = (p.Digitalflags & 0x04) ? 256.0 : 65536.0;
    p.Impulsbasis = float(p.MEW / 3600.0 / 1000.0 * s / 65535.0);
    p.Impulsbasis16 = float(p.MEW / 3600.0 / 1000.0 * 65536.0 / 65535.0);
    const double teiler = umrechnungen::LongNachWort32(p.Impulsteiler);
    p.Impulswert = float(rundeGerade(double(p.Impulsbasis) * teiler, 7));
}

void pruefeUeberlauf(const Abbild& a, Geraeteparameter& p) {
    if (!ueberlaufBekannt(p)) return;
    p.Ueberlauf = a.byte(adresse::Ueberlauf);
    p.UeberlaufAktiv = p.Ueberlauf == 1 ? 1 : 0;
}

void leseKalibrierung(const Abbild& a, Geraeteparameter& p) {
    for (int i = 1; i <= 8; ++i)
        p.DacReferenz[size_t(i)] = imBereich(a.float32(adresse::DacReferenz + 4 * (i - 1)));
    for (int i = 1; i <= 3; ++i) {
        const int basis = adresse::DacPunkteU + adresse::DacPunktAbstand * (i - 1);
        p.DacCountsU[size_t(i)] = a.word16(basis);
        p.DacAusgangU[size_t(i)] = imBereich(a.float32(basis + 2));
    }
    for (int i = 1; i <= 3; ++i) {
        const int basis = adresse::DacPunkteI + adresse::DacPunktAbstand * (i - 1);
        p.DacCountsI[size_t(i)] = a.word16(basis);
        p.DacAusgangI[size_t(i)] = imBereich(a.float32(basis + 2));
    }
    for (int i = 1; i <= 8; ++i)
        p.AnalogTrim[size_t(i)] = a.word16(adresse::AnalogTrim[i - 1]);
}

void decodiere(const Abbild& a, Geraeteparameter& p, const Masseinheit& e, DecodeResult& r) {
    p.Ausgangsart = a.byte(adresse::Ausgangsart);
    p.Analogbereich = a.byte(adresse::Analogbereich);
    p.Digitalflags = a.byte(adresse::Digitalflags);
    p.Konfigbyte3 = a.byte(adresse::Konfigbyte3);
    p.StpAnzahl = a.byte(adresse::StpAnzahl);
    leseStuetzstellen(a, p);
    p.Impulsteiler = qint32(a.dword32(adresse::Impulsteiler));
    p.Impulsdauer = a.byte(adresse::Impulsdauer);
    if (p.Impulsdauer == 0) p.Impulsdauer = 256;
    p.Polaritaet = (p.Digitalflags & 0x01) ? QStringLiteral("Plus") : QStringLiteral("Minus");
    p.Frequenzbereich = a.byte(adresse::Frequenzbereich);
    p.FrequenzMin = a.word16Signed(adresse::FrequenzMin);
    p.FrequenzMax = a.word16Signed(adresse::FrequenzMax);
    p.Frequenzvorteiler = a.byte(adresse::Frequenzvorteiler);
    p.Frequenzteiler = a.byte(adresse::Frequenzteiler);
    p.Reserve270 = inEinheit(a.float32(adresse::Reserve270), e);
    p.MEW = inEinheit(a.float32(adresse::MEW), e);
    berechneImpulsbasis(p);
    p.SchaltMin = inEinheit(a.float32(adresse::SchaltMin), e);
    p.SchaltMax = inEinheit(a.float32(adresse::SchaltMax), e);
    p.MOG = inEinheit(a.float32(adresse::MOG), e);
    p.Filterfaktor = a.word16(adresse::Filterfaktor);
    if (p.Filterfaktor == 0) p.Filterfaktor = FilterfaktorStandard;
    p.Schleichmenge = inEinheit(a.float32(adresse::Schleichmenge), e);
    p.Fertigungsnummer = a.text(adresse::Fertigungsnummer, adresse::FertigungsnummerLaenge);
    p.Firmwareversion = a.text(adresse::Firmwareversion, adresse::FirmwareversionLaenge);
    pruefeUeberlauf(a, p);
    r.overflowRead = true;
    leseKalibrierung(a, p);
}

}  // namespace

bool ueberlaufBekannt(const Geraeteparameter& p) {
    return fuehrendeZahl(p.Firmwareversion.right(2)) >= ErsterFirmwareMitUeberlauf;
}

DecodeResult EEPromAuswerten(const QByteArray& puffer, Geraeteparameter& p,
                             const Masseinheit& einheit) {
    DecodeResult r;
    try {
        decodiere(Abbild(puffer), p, einheit, r);
    } catch (const std::exception& fehler) {
        r.failure = QString::fromUtf8(fehler.what());
    }
    return r;
}
