#pragma once

// What the meter's outputs can take: the limits the editors, the checks
// before a write and the write itself share.
namespace outputLimits {

constexpr double OverflowTolerance = 0.01;  // kg/h
constexpr float FullScaleTolerance =
    0.1f;  // the editors take a full scale this far above its limit
constexpr double MinFullScale = 1;
constexpr int FrequencyMax = 2500;          // Hz
constexpr int OverflowFrequencyMax = 2272;  // Hz, with the overflow on
constexpr int FrequencyMin = 1;
constexpr double SwitchHeadroom = 1.1;  // of MOG: the highest switch threshold
constexpr int PulseDurationMax = 256;   // ms; the meter stores 256 as 0
constexpr int DampingMin = 3;           // ms
constexpr int DampingMax = 5000;
constexpr int PulseBit = 0x04;  // Ausgangsart: the digital output gives pulses

// The highest full scale while the overflow is on, as the editors compute it.
inline float overflowFullScale(float mog) {
    return float(mog - mog * 10 / 100);
}

}  // namespace outputLimits
