#pragma once

#include <QString>
#include <array>

// The numbered message texts of the current language, loaded from the
// language file; empty until loaded.
struct Texte {
    static constexpr int Count = 101;
    std::array<QString, Count> entry;

    QString operator[](int number) const {
        return number >= 0 && number < Count ? entry[size_t(number)] : QString();
    }
};

// Numbers of the texts the program shows, by situation.
namespace textNo {
constexpr int PortAlreadyOpen = 5;
constexpr int TitlePort = 6;
constexpr int PortInvalid = 7;
constexpr int PortBusy = 17;  // shares its text with the fifth NAK
constexpr int TitleNAK = 8;
constexpr int ConnectionBroken = 13;
constexpr int TitleConnectionBroken = 14;
constexpr int TooManyNAK = 17;
constexpr int CountsReplyWrong = 18;
constexpr int TitleCountsReplyWrong = 19;
constexpr int FullScaleTooHigh = 21;
constexpr int TitleFullScale = 22;
constexpr int SwitchTooHigh = 26;
constexpr int SwitchUpsideDown = 27;
constexpr int PulseValueTooSmall = 29;
constexpr int TitlePulse = 30;
constexpr int DeleteConfigQuestion = 33;
constexpr int TitleDeleteConfig = 34;
constexpr int BandFromZero = 39;
constexpr int FrequencyTooHigh = 40;
constexpr int BandUpsideDown = 41;
constexpr int TitleFrequency = 42;  // the variable band's messages
constexpr int PulsesTooFast = 43;
constexpr int TitlePulsesTooFast = 44;
constexpr int FullScaleTooLow = 45;
constexpr int UnitBuiltIn = 46;
constexpr int TitleUnitBuiltIn = 47;
constexpr int UnitFactorInvalid = 48;
constexpr int TitleUnitFactor = 49;
constexpr int TitleSwitch = 52;
constexpr int DecodeError = 80;
}  // namespace textNo
