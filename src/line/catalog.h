// The cable catalog: 73 coaxial cables and ladder lines, each with its characteristic impedance, velocity
// factor and three loss coefficients. The values are kept as the integers they were tabulated with and
// scaled where they are used: Z in tenths of an ohm, VF in thousandths, K0, K1 and K2 in millionths of a
// dB per 100 ft (constant term, term in the square root of the frequency in MHz, term in the frequency).
#pragma once

#include "numeric/checked.h"

#include <array>
#include <cstdint>
#include <string>

namespace line {

struct CableEntry {
    const char* name; // the item of Combo2, matched exactly
    int32_t Z;        // ohm x 10
    int32_t VF;       // x 1000
    int32_t K0;       // dB per 100 ft x 10^6
    int32_t K1;       // dB per 100 ft per sqrt(MHz) x 10^6
    int32_t K2;       // dB per 100 ft per MHz x 10^6
};

inline constexpr int kCableCount = 73;

// The catalog in the order of Combo2's list.
extern const std::array<CableEntry, kCableCount> kCatalog;

// The line impedance (ohm) and velocity factor of catalog entry `index`, scaled from the stored integers.
struct CableLine {
    num::Real impedance, velocityFactor;
};
CableLine cableLine(int16_t index);

// The three loss coefficients of a cable on the catalog's scale: millionths of a dB per 100 ft (constant
// term, term in the square root of the frequency in MHz, term in the frequency). A user's cable keeps
// them as doubles on the same scale, so that one with a catalog entry's values computes as that entry,
// bit for bit.
struct LossCoefficients {
    double K0 = 0, K1 = 0, K2 = 0;
    bool operator==(const LossCoefficients&) const = default;
};

// The matched loss in dB per 100 m of a cable with coefficients `k` at `mhz`: each term divided by 10^6
// on its own, then summed (dB per 100 ft), then per 100 m.
num::Real matchedLoss(const LossCoefficients& k, num::Real mhz);

// The coefficients of catalog entry `index`, as the doubles of its stored integers.
LossCoefficients catalogCoefficients(int16_t index);

// The matched loss of catalog entry `index` at `mhz`, in dB per 100 m.
num::Real CableLoss(int16_t index, num::Real mhz);

// Whether `name` is the name of a catalog entry (matched exactly, as the lookup does).
bool isCatalogName(const std::string& name);

// A cable of the user's as the line panel uses it: it follows the catalog's entries in Combo2's list and
// takes part in everything a catalog entry does.
struct UserCable {
    std::string name;
    double Z0 = 50;     // ohm
    double VF = 0.66;   // velocity factor
    LossCoefficients k; // millionths of a dB per 100 ft
    bool operator==(const UserCable&) const = default;
};

} // namespace line
