#pragma once

#include <QByteArray>
#include <random>

// How the simulated air flow moves over time.
struct Durchflussprofil {
    enum class Art { Konstant, Rampe, Rauschen };
    Art art = Art::Rampe;
    double kgh = 60.0;       // constant value, ramp top, or centre of the noise
    double periode = 20.0;   // seconds for one ramp from 0 to the top
    double rauschen = 0.05;  // relative spread of the noise
};

// The meter's inner working: its EEPROM, the working copy that write
// commands change, and the answer to each complete request frame.
class Messgeraet {
public:
    struct Reaktion {
        QByteArray antwort;     // empty: the meter says nothing
        bool neustart = false;  // the meter restarts after answering
    };

    explicit Messgeraet(const QByteArray& eeprom);

    // A frame of the right length whose checksum has been checked.
    Reaktion verarbeite(const QByteArray& rahmen, double zeit);
    // Reloads the working data from the EEPROM.
    void neustart();

    const QByteArray& eeprom() const { return eeprom_; }
    const QByteArray& arbeitsdaten() const { return arbeit_; }

    Durchflussprofil profil;
    int fehlercode = 0;
    // A meter that needs a cold start answers the EEPROM request with one
    // byte until it has been reset twice with 02 00.
    bool kaltstartNoetig = false;

    double durchflussKgh(double zeit);
    quint16 countsDurchfluss(double zeit);
    quint16 countsRoh(double zeit);

private:
    Reaktion parameter(const QByteArray& r);
    Reaktion reset(quint8 sub);
    Reaktion stuetzstellen(const QByteArray& r);
    Reaktion eepromByte(const QByteArray& r);
    static Reaktion dle(const QByteArray& daten = QByteArray());
    static Reaktion nak();

    QByteArray eeprom_;
    QByteArray arbeit_;
    int kaltstartResets_ = 0;
    std::mt19937 zufall_{410};
};
