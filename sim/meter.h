#pragma once

#include <QByteArray>
#include <random>

// How the simulated air flow moves over time.
struct FlowProfile {
    enum class Kind { Constant, Ramp, Noise };
    Kind kind = Kind::Ramp;
    double kgh = 60.0;     // constant value, ramp top, or centre of the noise
    double period = 20.0;  // seconds for one ramp from 0 to the top
    double noise = 0.05;   // relative spread of the noise
};

// The meter's inner working: its EEPROM, the working copy that write
// commands change, and the answer to each complete request frame.
class Meter {
public:
    struct Reaction {
        QByteArray reply;      // empty: the meter says nothing
        bool restart = false;  // the meter restarts after answering
    };

    explicit Meter(const QByteArray& eeprom);

    // A frame of the right length whose checksum has been checked.
    Reaction handleFrame(const QByteArray& frame, double time);
    // Reloads the working data from the EEPROM.
    void restart();

    const QByteArray& eeprom() const { return eeprom_; }
    const QByteArray& workingData() const { return workingData_; }

    FlowProfile profile;
    int errorCode = 0;
    // A meter that needs a cold start answers the EEPROM request with one
    // byte until it has been reset twice with 02 00.
    bool coldStartNeeded = false;

    double flowKghAt(double time);
    quint16 countsFlow(double time);
    quint16 countsRaw(double time);

private:
    Reaction parameter(const QByteArray& r);
    Reaction reset(quint8 sub);
    Reaction supportPointTable(const QByteArray& r);
    Reaction eepromByte(const QByteArray& r);
    static Reaction dle(const QByteArray& data = QByteArray());
    static Reaction nak();

    QByteArray eeprom_;
    QByteArray workingData_;
    int coldStartResets_ = 0;
    std::mt19937 rng_{410};
};
