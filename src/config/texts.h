#pragma once

#include <QString>
#include <array>

// The numbered message texts of the current language, loaded from the
// language file; empty until loaded.
struct Texte {
    static constexpr int Anzahl = 101;
    std::array<QString, Anzahl> eintrag;

    QString operator[](int nummer) const {
        return nummer >= 0 && nummer < Anzahl ? eintrag[size_t(nummer)] : QString();
    }
};

// Numbers of the texts the program shows, by situation.
namespace textnr {
constexpr int PortSchonOffen = 5;
constexpr int TitelPort = 6;
constexpr int PortUngueltig = 7;
constexpr int PortBelegt = 17;  // shares its text with the fifth NAK
constexpr int TitelNAK = 8;
constexpr int VerbindungGestoert = 13;
constexpr int TitelVerbindungGestoert = 14;
constexpr int ZuVieleNAK = 17;
constexpr int CountsAntwortFalsch = 18;
constexpr int TitelCountsAntwortFalsch = 19;
constexpr int DecodierFehler = 80;
}  // namespace textnr
