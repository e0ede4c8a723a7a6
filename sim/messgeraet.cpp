#include "sim/messgeraet.h"

#include <QMap>
#include <algorithm>
#include <cmath>

#include "link/byte_order.h"
#include "device/eeprom_map.h"
#include "link/protocol.h"

using namespace protocol;

namespace {

// Where the meter keeps the parameters that commands 08, 09 and 0A set.
const QMap<quint8, int> ByteZiele = {
    {byteparam::Ausgangsart, adresse::Ausgangsart},
    {byteparam::Analogbereich, adresse::Analogbereich},
    {byteparam::Digitalflags, adresse::Digitalflags},
    {byteparam::Impulsdauer, adresse::Impulsdauer},
    {byteparam::Frequenzbereich, adresse::Frequenzbereich},
    {byteparam::Frequenzvorteiler, adresse::Frequenzvorteiler},
    {byteparam::Frequenzteiler, adresse::Frequenzteiler},
};
const QMap<quint8, int> WortZiele = {
    {wortparam::Filterfaktor, adresse::Filterfaktor},
    {wortparam::OffsetU05, adresse::AnalogTrim[0]},
    {wortparam::FaktorU05, adresse::AnalogTrim[4]},
    {wortparam::OffsetU010, adresse::AnalogTrim[1]},
    {wortparam::FaktorU010, adresse::AnalogTrim[5]},
    {wortparam::OffsetI020, adresse::AnalogTrim[2]},
    {wortparam::FaktorI020, adresse::AnalogTrim[6]},
    {wortparam::OffsetI420, adresse::AnalogTrim[3]},
    {wortparam::FaktorI420, adresse::AnalogTrim[7]},
    {wortparam::FrequenzMax, adresse::FrequenzMax},
    {wortparam::FrequenzMin, adresse::FrequenzMin},
};
const QMap<quint8, int> FloatZiele = {
    {floatparam::Impulsteiler, adresse::Impulsteiler},
    {floatparam::Reserve, adresse::Reserve270},
    {floatparam::MEW, adresse::MEW},
    {floatparam::SchaltMin, adresse::SchaltMin},
    {floatparam::SchaltMax, adresse::SchaltMax},
    {floatparam::Schleichmenge, adresse::Schleichmenge},
    {floatparam::MOG, adresse::MOG},
};

QByteArray word16Bytes(quint16 wert) {
    return bytefolge::word16(wert);
}

}  // namespace

Messgeraet::Messgeraet(const QByteArray& eeprom) : eeprom_(eeprom), arbeit_(eeprom) {
    eeprom_.resize(EEPromGroesse);
    arbeit_ = eeprom_;
}

Messgeraet::Reaktion Messgeraet::dle(const QByteArray& daten) {
    return {char(DLE) + daten, false};
}

Messgeraet::Reaktion Messgeraet::nak() {
    return {QByteArray(1, char(NAK)), false};
}

void Messgeraet::neustart() {
    arbeit_ = eeprom_;
}

Messgeraet::Reaktion Messgeraet::verarbeite(const QByteArray& r, double zeit) {
    const quint8 sub = r.size() > 2 ? quint8(r[1]) : 0;
    switch (quint8(r[0])) {
        case Verbindungstest:
            return dle();
        case Reset:
            return reset(sub);
        case Counts:
            if (sub == CountsRoh) return dle(word16Bytes(countsRoh(zeit)));
            if (sub == CountsDurchfluss) return dle(word16Bytes(countsDurchfluss(zeit)));
            return nak();
        case Stuetzstellen:
            return stuetzstellen(r);
        case Speichern:
            eeprom_ = arbeit_;
            return dle();
        case ByteSchreiben:
        case WortSchreiben:
        case FloatSchreiben:
            return parameter(r);
        case EEPromAnfordern:
            if (kaltstartNoetig) return {QByteArray(1, '\0'), false};
            return dle(eeprom_);
        case KonfigLesen:
            if (sub != KonfigKalibrierung) return nak();
            return dle(r.left(2) + arbeit_.left(KonfigBytes));
        case KonfigSchreiben:
            arbeit_.replace(0, KonfigBytes, r.mid(1, KonfigBytes));
            return dle();
        case EEPromByte:
            return eepromByte(r);
        case Fehlerstatus:
            return dle(QByteArray(1, char(fehlercode)));
        default:
            return nak();
    }
}

Messgeraet::Reaktion Messgeraet::reset(quint8 sub) {
    if (sub == ResetKaltstart) {
        if (kaltstartNoetig && ++kaltstartResets_ >= 2) {
            kaltstartNoetig = false;
            kaltstartResets_ = 0;
        }
        return {QByteArray(), true};
    }
    if (sub == ResetNachStuetzstellen) return {QByteArray(1, char(DLE)), true};
    return nak();
}

Messgeraet::Reaktion Messgeraet::parameter(const QByteArray& r) {
    const quint8 k = quint8(r[1]);
    const QByteArray wert = r.mid(2, r.size() - 3);
    const auto& ziele = quint8(r[0]) == ByteSchreiben   ? ByteZiele
                        : quint8(r[0]) == WortSchreiben ? WortZiele
                                                        : FloatZiele;
    if (!ziele.contains(k)) return nak();
    arbeit_.replace(ziele.value(k), wert.size(), wert);
    return dle();
}

Messgeraet::Reaktion Messgeraet::stuetzstellen(const QByteArray& r) {
    const QByteArray tabelle = r.mid(2, StuetzstellenImRahmen * StuetzstelleBytes);
    arbeit_[adresse::StpAnzahl] = r[1];
    arbeit_.replace(adresse::StpErster, tabelle.size(), tabelle);
    return dle();
}

Messgeraet::Reaktion Messgeraet::eepromByte(const QByteArray& r) {
    const int a = bytefolge::leseWord16(r, 2);
    if (a >= EEPromGroesse) return nak();
    eeprom_[a] = r[1];
    arbeit_[a] = r[1];
    return dle();
}

double Messgeraet::durchflussKgh(double zeit) {
    switch (profil.art) {
        case Durchflussprofil::Art::Konstant:
            return profil.kgh;
        case Durchflussprofil::Art::Rampe:
            return profil.kgh * std::fmod(std::max(zeit, 0.0), profil.periode) / profil.periode;
        case Durchflussprofil::Art::Rauschen: {
            std::normal_distribution<double> streuung(0.0, profil.rauschen);
            return std::max(0.0, profil.kgh * (1.0 + streuung(zufall_)));
        }
    }
    return 0.0;
}

quint16 Messgeraet::countsDurchfluss(double zeit) {
    const double fluss = durchflussKgh(zeit);
    if (fluss < bytefolge::leseFloat32(eeprom_, adresse::Schleichmenge)) return 0;
    const bool ueberlauf = bytefolge::leseByte(eeprom_, adresse::Ueberlauf) == 1;
    const double skala = bytefolge::leseFloat32(eeprom_, adresse::MEW) * (ueberlauf ? 1.1 : 1.0);
    if (!(skala > 0)) return 0;
    return quint16(std::clamp(std::lround(fluss / skala * 65535.0), 0L, 65535L));
}

quint16 Messgeraet::countsRoh(double zeit) {
    const double fluss = durchflussKgh(zeit);
    const int n = std::min<int>(bytefolge::leseByte(eeprom_, adresse::StpAnzahl), 34);
    double vorCounts = 0, vorFluss = 0;
    for (int i = 0; i < n; ++i) {
        const int a = adresse::StpErster + adresse::StpAbstand * i;
        const double c = bytefolge::leseWord16(eeprom_, a);
        const double f = bytefolge::leseFloat32(eeprom_, a + adresse::StpFlussVersatz);
        if (fluss <= f) {
            if (i == 0 || f <= vorFluss) return quint16(c);
            return quint16(
                std::lround(vorCounts + (c - vorCounts) * (fluss - vorFluss) / (f - vorFluss)));
        }
        vorCounts = c;
        vorFluss = f;
    }
    return quint16(vorCounts);
}
