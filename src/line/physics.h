// The transmission line as a function of numbers: a measured impedance moved along a lossy line by an
// electrical length, towards the transceiver or towards the antenna, with the far point's impedance,
// SWR, losses, power, voltage, current, parallel equivalent and matching stubs.
//
// The panel's handler, the Smith chart's line path and the band view all call these functions; every
// step is checked arithmetic, so a value out of range stops the calculation where it arises. The
// calculation runs in three stages because the window shows something between them: the SWR warning
// after the measured point, and the far-point power (which the power exchange divides by) as soon as it
// is known.
#pragma once

#include "line/catalog.h"
#include "numeric/checked.h"

#include <complex>
#include <cstdint>
#include <optional>

namespace line {

using num::Real;
using Complex = std::complex<double>;

// One free-space wavelength is kSpeedOfLight / f metres, with f in MHz.
inline constexpr double kSpeedOfLight = 299.792458;
// The slider's range text takes half a free-space wavelength as kRangeHalfWave / f metres: the speed of
// light rounded to 300, a quick figure of the span.
inline constexpr double kRangeHalfWave = 150;

enum class Direction { TowardsTransceiver, TowardsAntenna };

// The matched loss of the line in dB per 100 m: that of a cable of the list (the catalog's or the user's)
// at each frequency ("Auto"), or the one value the operator typed ("dB/100 metri").
struct LineLoss {
    int16_t catalogEntry = -1; // the entry of the cable list (the catalog's, then the user's), or -1 for
                               // the typed value
    double typedDbPer100m = 0;
    std::optional<LossCoefficients> coefficients; // a user cable's; a catalog entry's come from the catalog
    Real at(Real mhz) const;
    bool operator==(const LineLoss&) const = default;
};

struct LineInput {
    Complex loadImpedance{50, 0}; // at the measured point, ohm
    double lineImpedance = 50;    // ohm
    double velocityFactor = 0.66;
    LineLoss loss;
    double mhz = 14;
    double shiftDegrees = 0; // electrical; negative towards the antenna
    Direction direction = Direction::TowardsTransceiver;
    double transceiverImpedance = 50; // ohm
    double power = 100;               // at the measured point, W
    bool operator==(const LineInput&) const = default;
};

// The electrical shift the slider sets: `position` quarter degrees within half-wave cycle `halfWaves`.
// Towards the antenna the slider is mirrored: 720 is the end nearer the measured point.
Real shiftDegrees(Real halfWaves, Real position, Direction direction);

// An impedance divided by a reference impedance (r, x).
struct Normalised {
    Real r, x;
};
Normalised normalise(Complex impedance, Real reference);

// ---- stage 1: the measured point ---------------------------------------------------------------------
struct MeasuredPoint {
    Real rotationDegrees;     // turn of the reflection coefficient, twice the shift
    Real wavelength;          // free space, m
    Real reflectionRe;        // reflection coefficient on the line impedance
    Real reflectionIm;        //
    Real reflectionMagnitude; //
    Real reflectionDegrees;   // its angle, (-180, 180]; 0 for a matched point, which has none
    Real farAngleDegrees;     // the angle turned by the shift, at the far point
    Real swr;                 // on the line impedance
    bool operator==(const MeasuredPoint&) const = default;
};
// `load` is the measured impedance on the impedance the line's reflection is taken on.
MeasuredPoint measure(const LineInput& in, Normalised load);
// The same measured point for a shift of `shiftDegrees`: the reflection stays, the turn follows the shift
// (what measure gives for that shift, without reading the reflection again).
MeasuredPoint atShift(const MeasuredPoint& m, Real shiftDegrees);

// ---- stage 2: the far point ------------------------------------------------------------------------
// The antenna-end SWR whose reflected power, attenuated by `totalLossDb` there and back, equals the
// measured ratio, found digit by digit from the whole part of the measured SWR: whole steps, then seven
// decimal stages down to 0.0000001.
struct AntennaSearch {
    Real swr;                      // the last candidate: the largest on the grid still below
    int16_t firstReachingStep = 0; // step of the whole stage that first reached the ratio; 0 if none
    bool exact = false;            // a candidate met the ratio exactly: swr is it
    bool operator==(const AntennaSearch&) const = default;
};
AntennaSearch searchAntennaSwr(Real measuredSwr, Real measuredRatio, Real totalLossDb);

// The total loss of a matched loss of `matchedLossDb` on a line whose reflection magnitude is `rho` at the
// load, the end the power leaves it: the matched loss plus the loss due to the standing waves.
Real totalLoss(Real matchedLossDb, Real rho);

struct FarPoint {
    Real lossDbPer100m;                                    // matched loss of the line at the frequency
    Real shiftWavelengths;                                 // never negative
    Real shiftMetres;                                      // physical length
    Real matchedLossDb;                                    // of the shifted length
    Real totalLossDb;                                      // with the loss due to the SWR
    Real measuredRatio;                                    // reflected power ratio at the measured point
    AntennaSearch search;                                  // towards the antenna
    Real swr;                                              // on the line impedance
    Real reflectionMagnitude;                              // on the line impedance
    Real resistance, reactance;                            // ohm
    Real transceiverReflectionRe, transceiverReflectionIm; // on the transceiver impedance
    Real transceiverSwr;                                   // 0 when the reflection is total
    Real power; // W: what the transceiver delivers, or what the antenna receives
    // Towards the antenna, no antenna behind this loss can give the measured reflection.
    bool impossible(const LineInput& in) const {
        return in.direction == Direction::TowardsAntenna && search.firstReachingStep == 0;
    }
    bool operator==(const FarPoint&) const = default;
};
FarPoint moveAlong(const LineInput& in, const MeasuredPoint& m);

// ---- stage 3: voltage, current, parallel equivalent and stubs at the far point ------------------------
struct FarPointDetails {
    Real volts, peakVolts, peakToPeakVolts; // rms, peak, peak to peak
    Real amperes;
    Real parallelResistance, parallelReactance; // ohm
    Real openStubMetres, shortedStubMetres;     // parallel stubs cancelling the parallel reactance
    bool operator==(const FarPointDetails&) const = default;
};
FarPointDetails describe(const LineInput& in, const MeasuredPoint& m, const FarPoint& far);

// All three stages.
struct LineResult {
    MeasuredPoint measured;
    FarPoint far;
    FarPointDetails details;
    bool operator==(const LineResult&) const = default;
};
LineResult compute(const LineInput& in);

} // namespace line
