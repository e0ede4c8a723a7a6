#include "sim/leitung.h"

#include <algorithm>

#include "link/requests.h"
#include "link/protocol.h"

Leitung::Leitung(Messgeraet& geraet, Scheduler& zeit, std::function<void(const QByteArray&)> senke)
    : geraet_(geraet), zeit_(zeit), senke_(std::move(senke)) {}

void Leitung::empfange(const QByteArray& bytes) {
    if (fehler.weg) return;
    const double gesendet = zeit_.jetzt();
    for (char b : bytes) {
        const double ankunft = std::max(gesendet, eingangFrei_) + ByteZeit;
        eingangFrei_ = ankunft;
        byteAngekommen(b, gesendet, ankunft);
    }
}

QVector<QByteArray> Leitung::rahmen() const {
    QVector<QByteArray> r;
    for (const EmpfangenerRahmen& e : protokoll)
        r.append(e.bytes);
    return r;
}

void Leitung::byteAngekommen(char b, double gesendet, double ankunft) {
    const bool pause = letzteAnkunft_ >= 0 && ankunft - letzteAnkunft_ > RahmenLuecke;
    letzteAnkunft_ = ankunft;
    if (pause) {
        teil_.clear();
        verwerfen_ = false;
    }
    if (verwerfen_) return;
    if (teil_.isEmpty()) teilGesendet_ = gesendet;
    teil_.append(b);
    const int laenge = protocol::rahmenLaenge(quint8(teil_[0]));
    if (laenge == 0) {
        // Unknown command: answer NAK and ignore the rest of this burst.
        rahmenFertig(teil_, ankunft);
        teil_.clear();
        verwerfen_ = true;
    } else if (teil_.size() == laenge) {
        rahmenFertig(teil_, ankunft);
        teil_.clear();
    }
}

void Leitung::rahmenFertig(const QByteArray& rahmen, double ankunft) {
    protokoll.append({teilGesendet_, rahmen});
    const double ab = std::max(ankunft, bereitAb_);
    zeit_.um(ab, [this, rahmen, ab] { beantworte(rahmen, ab); });
}

void Leitung::beantworte(const QByteArray& rahmen, double zeitpunkt) {
    if (fehler.weg) return;
    if (zeitpunkt < bereitAb_) {
        // Frames that arrive while the meter restarts are answered once it is back.
        const double ab = bereitAb_;
        zeit_.um(ab, [this, rahmen, ab] { beantworte(rahmen, ab); });
        return;
    }
    const bool gueltig = protocol::rahmenLaenge(quint8(rahmen[0])) != 0 && Pruefsumme(rahmen) == 0;
    const Stoerung s = gueltig ? naechsteStoerung() : Stoerung::Keine;
    Messgeraet::Reaktion r;
    if (!gueltig || s == Stoerung::Nak)
        r.antwort = QByteArray(1, char(protocol::NAK));
    else if (s == Stoerung::Stumm)
        return;
    else
        r = geraet_.verarbeite(rahmen, zeitpunkt);
    // Timed from when the frame was complete, even if this runs a little late.
    const double ab = zeitpunkt + latenz;
    sende(mitFehler(r.antwort, s), ab);
    if (r.neustart) {
        bereitAb_ = std::max(ab, ausgangFrei_) + neustartZeit;
        geraet_.neustart();
    }
}

Stoerung Leitung::naechsteStoerung() {
    if (!fehler.skript.isEmpty()) return fehler.skript.takeFirst();
    for (auto [zaehler, art] :
         {std::pair{&fehler.stumm, Stoerung::Stumm}, std::pair{&fehler.nak, Stoerung::Nak},
          std::pair{&fehler.muell, Stoerung::Muell},
          std::pair{&fehler.abgeschnitten, Stoerung::Kurz}}) {
        if (*zaehler > 0) {
            --*zaehler;
            return art;
        }
    }
    return Stoerung::Keine;
}

QByteArray Leitung::mitFehler(QByteArray antwort, Stoerung s) {
    if (antwort.isEmpty()) return antwort;
    if (s == Stoerung::Muell) antwort[0] = ' ';
    if (s == Stoerung::Kurz) antwort = antwort.left(fehler.abschneidenAuf);
    return antwort;
}

void Leitung::sende(const QByteArray& antwort, double ab) {
    for (char b : antwort) {
        const double zeitpunkt = std::max(ab, ausgangFrei_) + ByteZeit;
        ausgangFrei_ = zeitpunkt;
        zeit_.um(zeitpunkt, [this, b] {
            if (!fehler.weg) senke_(QByteArray(1, b));
        });
    }
}
