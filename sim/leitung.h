#pragma once

#include <QByteArray>
#include <QList>
#include <QVector>
#include <functional>

#include "sim/messgeraet.h"
#include "sim/scheduler.h"

enum class Stoerung { Keine, Nak, Muell, Kurz, Stumm };

// Faults the simulated meter shows on demand. The script names the fault of
// each of the next replies in turn; after it, each counter covers that many
// of the following replies.
struct Fehlerbild {
    QList<Stoerung> skript;
    int nak = 0;             // answer NAK instead
    int muell = 0;           // first reply byte replaced by a blank
    int abgeschnitten = 0;   // reply cut short ...
    int abschneidenAuf = 1;  // ... to this many bytes
    int stumm = 0;           // no reply at all
    bool weg = false;        // the port is gone: nothing is received or answered
};

struct EmpfangenerRahmen {
    double zeit;  // when the host sent its first byte
    QByteArray bytes;
};

// The serial line between host and meter at 9600 baud: it splits the byte
// stream into frames, charges wire time for every byte in both directions,
// adds the meter's latency, keeps a restarting meter silent, injects faults
// and records every frame received.
class Leitung {
public:
    static constexpr double ByteZeit = 10.0 / 9600.0;  // start, 8 data and stop bit
    static constexpr double RahmenLuecke = 0.05;       // a pause this long drops a partial frame

    Leitung(Messgeraet& geraet, Scheduler& zeit, std::function<void(const QByteArray&)> senke);

    // Bytes from the host, arriving now.
    void empfange(const QByteArray& bytes);
    // The frames received so far, without their times.
    QVector<QByteArray> rahmen() const;

    double latenz = 0.002;
    double neustartZeit = 2.0;
    Fehlerbild fehler;
    QVector<EmpfangenerRahmen> protokoll;

private:
    void byteAngekommen(char b, double gesendet, double ankunft);
    void rahmenFertig(const QByteArray& rahmen, double ankunft);
    void beantworte(const QByteArray& rahmen, double zeitpunkt);
    Stoerung naechsteStoerung();
    QByteArray mitFehler(QByteArray antwort, Stoerung s);
    void sende(const QByteArray& antwort, double ab);

    Messgeraet& geraet_;
    Scheduler& zeit_;
    std::function<void(const QByteArray&)> senke_;
    QByteArray teil_;
    double teilGesendet_ = 0;
    double letzteAnkunft_ = -1;
    bool verwerfen_ = false;
    double eingangFrei_ = 0;
    double ausgangFrei_ = 0;
    double bereitAb_ = 0;
};
