#include "link/requests.h"

#include "link/byte_order.h"
#include "link/protocol.h"

using namespace protocol;

quint8 Pruefsumme(const QByteArray& rahmen) {
    quint8 c = 0;
    for (char b : rahmen)
        c ^= quint8(b);
    return c;
}

namespace request {
namespace {

QByteArray befehl(quint8 code) {
    return QByteArray(1, char(code));
}

QByteArray befehl(quint8 code, quint8 sub) {
    return befehl(code) + char(sub);
}

}  // namespace

QByteArray mitPruefsumme(QByteArray rahmen) {
    rahmen.append(char(Pruefsumme(rahmen)));
    return rahmen;
}

QByteArray verbindungstest() {
    return mitPruefsumme(befehl(Verbindungstest));
}

QByteArray kaltstartReset() {
    return mitPruefsumme(befehl(Reset, ResetKaltstart));
}

QByteArray resetNachStuetzstellen() {
    return mitPruefsumme(befehl(Reset, ResetNachStuetzstellen));
}

QByteArray counts(bool roh) {
    return mitPruefsumme(befehl(Counts, roh ? CountsRoh : CountsDurchfluss));
}

QByteArray stuetzstellen(int anzahl, const QVector<Stuetzstelle>& punkte) {
    QByteArray r = befehl(Stuetzstellen, quint8(anzahl));
    for (int i = 0; i < StuetzstellenImRahmen; ++i) {
        const Stuetzstelle p = i < punkte.size() ? punkte[i] : Stuetzstelle{};
        r += bytefolge::word16(quint16(p.counts & 0xFFFF));
        r += bytefolge::float32(p.flussKgh);
    }
    return mitPruefsumme(r);
}

QByteArray speichern() {
    return mitPruefsumme(befehl(Speichern));
}

QByteArray byteSchreiben(quint8 k, quint8 wert) {
    return mitPruefsumme(befehl(ByteSchreiben, k) + char(wert));
}

QByteArray wortSchreiben(quint8 k, quint16 wert) {
    return mitPruefsumme(befehl(WortSchreiben, k) + bytefolge::word16(wert));
}

QByteArray floatSchreiben(quint8 k, float wert) {
    return mitPruefsumme(befehl(FloatSchreiben, k) + bytefolge::float32(wert));
}

QByteArray dwordSchreiben(quint8 k, quint32 wert) {
    return mitPruefsumme(befehl(FloatSchreiben, k) + bytefolge::dword32(wert));
}

QByteArray eepromLesen() {
    return mitPruefsumme(befehl(EEPromAnfordern, EEPromGesamt));
}

QByteArray konfigLesen() {
    return mitPruefsumme(befehl(KonfigLesen, KonfigKalibrierung));
}

QByteArray konfigSchreiben(const QByteArray& konfig) {
    return mitPruefsumme(befehl(KonfigSchreiben) +
                         konfig.left(KonfigBytes).leftJustified(KonfigBytes, '\0'));
}

QByteArray eepromByte(quint8 wert, quint16 adresse) {
    return mitPruefsumme(befehl(EEPromByte, wert) + bytefolge::word16(adresse));
}

QByteArray fehlerstatus() {
    return mitPruefsumme(befehl(Fehlerstatus));
}

}  // namespace request
