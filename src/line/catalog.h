// The cable catalog: 73 coaxial cables and ladder lines, each with its characteristic impedance, velocity
// factor and three loss coefficients. The values are kept as the integers they were tabulated with and
// scaled where they are used: Z in tenths of an ohm, VF in thousandths, K0, K1 and K2 in millionths of a
// dB per 100 ft (constant term, term in the square root of the frequency in MHz, term in the frequency).
#pragma once

#include "numeric/checked.h"
#include "ui/form.h"

#include <array>
#include <cstdint>

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

// Fills Combo2's list with the names and the hidden lists Z, VF, K0, K1 and K2 with the stored integers
// as decimal texts, row by row in the same order.
void fillCatalogLists(ui::Form& f);

// The line impedance (ohm) and velocity factor of catalog entry `index`, scaled from the stored integers.
struct CableLine {
    num::Real impedance, velocityFactor;
};
CableLine cableLine(int16_t index);

// The matched loss of catalog entry `index` at `mhz`, in dB per 100 m.
num::Real CableLoss(int16_t index, num::Real mhz);

} // namespace line
