#include "line/physics.h"

#include "line/catalog.h"
#include "numeric/routines.h"

#include <cmath>

namespace line {

using num::pow;
using num::sqrt;

namespace {

Real cos(Real a) {
    return std::cos(a.value());
}
Real sin(Real a) {
    return std::sin(a.value());
}

// The far point's impedance and its reflection on the transceiver impedance, from its reflection
// magnitude and angle on the line impedance.
void farImpedance(const LineInput& in, Real angleDegrees, FarPoint& p) {
    const Real lineZ = in.lineImpedance, rtxZ = in.transceiverImpedance;
    Real phi = angleDegrees * num::kPi / 180;
    Real gr = cos(phi) * p.reflectionMagnitude;
    Real gi = sin(phi) * p.reflectionMagnitude;
    // On the transceiver impedance first: the far point's reflection there follows from it directly.
    p.resistance = num::ZRFromGam(lineZ, gr, gi, rtxZ);
    p.reactance = num::ZXFromGam(lineZ, gr, gi, rtxZ);
    p.transceiverReflectionRe = num::GamRFromZ(p.resistance, p.reactance);
    p.transceiverReflectionIm = num::GamXFromZ(p.resistance, p.reactance);
    Real rho = sqrt(pow(p.transceiverReflectionRe, 2) + pow(p.transceiverReflectionIm, 2));
    p.transceiverSwr = num::SWRFromRho(rho);
    p.resistance = p.resistance * rtxZ;
    p.reactance = p.reactance * rtxZ;
}

} // namespace

Real LineLoss::at(Real mhz) const {
    if (coefficients)
        return matchedLoss(*coefficients, mhz);
    if (catalogEntry >= 0)
        return CableLoss(catalogEntry, mhz);
    return typedDbPer100m;
}

Real shiftDegrees(Real halfWaves, Real position, Direction direction) {
    if (direction == Direction::TowardsTransceiver)
        return (halfWaves - 1) * 180 + position / 4;
    return (position / 4 - 180) - (halfWaves - 1) * 180;
}

Normalised normalise(Complex impedance, Real reference) {
    return {Real(impedance.real()) / reference, Real(impedance.imag()) / reference};
}

Real totalLoss(Real matchedLossDb, Real rho) {
    Real a = pow(10, matchedLossDb / 10);
    return 10 * num::ln((pow(a, 2) - pow(rho, 2)) / ((1 - pow(rho, 2)) * a)) / num::ln(10);
}

MeasuredPoint measure(const LineInput& in, Normalised load) {
    MeasuredPoint m;
    m.wavelength = kSpeedOfLight / Real(in.mhz);

    m.reflectionRe = num::GamRFromZ(load.r, load.x);
    m.reflectionIm = num::GamXFromZ(load.r, load.x);
    m.reflectionMagnitude = num::Magn(m.reflectionRe, m.reflectionIm);
    Real angle = 0;
    if (m.reflectionMagnitude != 0)
        angle = num::ArcCosDeg(m.reflectionRe, m.reflectionMagnitude);
    if (m.reflectionIm < 0)
        angle = -angle;
    m.reflectionDegrees = num::Fold180(angle);
    m.swr = num::SWRFromRho(m.reflectionMagnitude);
    return atShift(m, in.shiftDegrees);
}

MeasuredPoint atShift(const MeasuredPoint& at, Real shift) {
    MeasuredPoint m = at;
    m.rotationDegrees = shift + shift;
    // Moving towards the transceiver turns the reflection coefficient clockwise, towards the antenna
    // counter-clockwise: two turns of the chart per wavelength.
    Real turned = m.reflectionDegrees - m.rotationDegrees;
    m.farAngleDegrees = num::Fold180(turned);
    return m;
}

AntennaSearch searchAntennaSwr(Real measuredSwr, Real measuredRatio, Real totalLossDb) {
    // The reflected power of a candidate, attenuated on its way to the measured point and back.
    const Real attenuation = pow(10, -totalLossDb / 5);
    auto seenAtMeasuredPoint = [attenuation](Real swr) {
        Real rho = (swr - 1) / (swr + 1);
        return attenuation * (rho * rho);
    };

    AntennaSearch s;
    s.swr = num::Int(measuredSwr);
    for (int16_t step = 1; step <= 1000; ++step) {
        const Real seen = seenAtMeasuredPoint(s.swr);
        if (seen >= measuredRatio)
            s.firstReachingStep = step;
        if (seen == measuredRatio) {
            s.exact = true;
            return s;
        }
        if (seen > measuredRatio)
            break;
        s.swr = s.swr + 1;
    }
    s.swr = s.swr - 1;

    for (int16_t digit = 1; digit <= 7; ++digit) {
        const Real step = pow(10, -Real(digit));
        for (int16_t n = 1; n <= 10; ++n) {
            const Real seen = seenAtMeasuredPoint(s.swr);
            if (seen == measuredRatio) {
                s.exact = true;
                return s;
            }
            if (seen > measuredRatio)
                break;
            s.swr = s.swr + step;
        }
        s.swr = s.swr - step;
    }
    return s;
}

FarPoint moveAlong(const LineInput& in, const MeasuredPoint& m) {
    FarPoint p;
    const bool towardsTransceiver = in.direction == Direction::TowardsTransceiver;
    const Real shift = in.shiftDegrees;
    p.lossDbPer100m = in.loss.at(in.mhz);

    p.shiftWavelengths = towardsTransceiver ? shift / 360 : -shift / 360;
    p.shiftMetres = p.shiftWavelengths * m.wavelength * Real(in.velocityFactor);
    p.matchedLossDb = p.shiftMetres * p.lossDbPer100m / 100;
    p.totalLossDb = totalLoss(p.matchedLossDb, m.reflectionMagnitude);
    p.measuredRatio = pow(m.reflectionMagnitude, 2);

    if (towardsTransceiver) {
        // The transceiver end: the measured reflection attenuated by the total loss there and back.
        Real ratio = p.measuredRatio * pow(10, -p.totalLossDb / 5);
        p.swr = (1 + sqrt(ratio)) / (1 - sqrt(ratio));
        p.reflectionMagnitude = (p.swr - 1) / (p.swr + 1);
        farImpedance(in, m.farAngleDegrees, p);
        // The transceiver delivers the measured-point power plus the total loss.
        p.power = Real(in.power) * pow(10, p.totalLossDb / 10);
    } else {
        // The antenna end: the SWR there whose reflection, attenuated, is the measured one. An exact hit
        // keeps the total loss found with the measured reflection; otherwise the loss due to the SWR
        // follows from the reflection at the antenna end.
        p.search = searchAntennaSwr(m.swr, p.measuredRatio, p.totalLossDb);
        p.swr = p.search.swr;
        if (!p.search.exact)
            p.totalLossDb = totalLoss(p.matchedLossDb, (p.swr - 1) / (p.swr + 1));
        p.reflectionMagnitude = (p.swr - 1) / (p.swr + 1);
        farImpedance(in, m.farAngleDegrees, p);
        // The antenna receives the measured-point power less the total loss.
        p.power = Real(in.power) * pow(10, -p.totalLossDb / 10);
    }
    return p;
}

FarPointDetails describe(const LineInput& in, const MeasuredPoint& m, const FarPoint& far) {
    FarPointDetails d;
    Real R = far.resistance, X = far.reactance;

    // Voltage and current: the current sqrt(P / R) times and over |Z|.
    Real Z2 = pow(R, 2) + pow(X, 2);
    d.volts = pow(Z2 * far.power / R, 0.5);
    d.amperes = pow(Z2 / pow(Z2, 2), 0.5) * d.volts;
    d.peakToPeakVolts = pow(2, 0.5) * (d.volts * 2);
    d.peakVolts = pow(2, 0.5) * d.volts;

    // A purely resistive or reactive far point would divide by zero in its parallel equivalent.
    if (R == 0)
        R = 0.000001;
    if (X == 0)
        X = 0.000001;

    // Parallel equivalent, normalised to the line impedance.
    const Real lineZ = in.lineImpedance;
    Real r = R / lineZ;
    Real x = X / lineZ;
    Real parallelR = (pow(r, 2) + pow(x, 2)) / r;
    Real parallelX = (pow(r, 2) + pow(x, 2)) / x;

    // Stubs: a parallel stub presenting -j parallelX cancels the parallel reactance. Its length is the
    // rotation from a short or an open end to that reactance, 720 degrees to the wavelength on the line.
    Real stubRe = num::GamRFromZ(0, parallelX);
    Real stubIm = num::GamXFromZ(0, parallelX);
    Real stubAngle = num::ArcCosDeg(stubRe, num::Magn(stubRe, stubIm));
    if (stubIm < 0)
        stubAngle = -stubAngle;
    stubAngle = -stubAngle;
    Real fromShort = num::Mod360(180 - stubAngle);
    Real fromOpen = num::Mod360(-stubAngle);
    d.shortedStubMetres = fromShort / 720 * m.wavelength * Real(in.velocityFactor);
    d.openStubMetres = fromOpen / 720 * m.wavelength * Real(in.velocityFactor);

    d.parallelResistance = lineZ * parallelR;
    d.parallelReactance = lineZ * parallelX;
    return d;
}

LineResult compute(const LineInput& in) {
    LineResult r;
    r.measured = measure(in, normalise(in.loadImpedance, in.lineImpedance));
    r.far = moveAlong(in, r.measured);
    r.details = describe(in, r.measured, r.far);
    return r;
}

} // namespace line
