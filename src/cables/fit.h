// A cable's loss model from its datasheet: matched loss in dB per 100 ft = K0 + K1 sqrt(f) + K2 f, f in
// MHz, the catalog's model.
//
// One point gives K1 alone (a loss growing as the square root of the frequency, the skin effect); two
// points give K1 and K2 (the dielectric's share grows as f); three or more the least-squares fit of K0,
// K1 and K2 in dB, unless that fit has a negative K0 or a negative loss somewhere from 0.1 MHz to ten
// times the highest point, when K0 is dropped and K1 and K2 are fitted alone.
#pragma once

#include "cables/cable.h"

namespace cables {

struct DatasheetFit {
    double k0 = 0, k1 = 0, k2 = 0; // dB per 100 ft
    double rms = 0, max = 0;       // the model against the points, dB per 100 m
    bool withoutK0 = false;        // three or more points whose three-term fit was refused
};

// The fit of checked points (checkPoints throws Refusal("Points") for points that cannot be fitted).
DatasheetFit fitDatasheet(const Datasheet& d);

// The matched loss of the model at `mhz`, dB per 100 ft.
double modelLoss(double k0, double k1, double k2, double mhz);

} // namespace cables
