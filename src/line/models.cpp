#include "line/models.h"

#include "line/telegrapher.h"
#include "numeric/routines.h"

#include <cmath>

namespace line {

namespace {

Complex checked(Complex z) {
    return {num::checkedResult(z.real()), num::checkedResult(z.imag())};
}

// The reflection magnitude of z on the real line impedance z0.
double reflectionOn(Complex z, double z0) {
    return std::abs(checked((z - z0) / (z + z0)));
}

} // namespace

std::string lineModelWord(LineModel model) {
    return model == LineModel::Physical ? "physical" : "calculator";
}

Real shiftMetres(const LineInput& in) {
    return num::abs(in.shiftDegrees) / 360 * (kSpeedOfLight / Real(in.mhz)) * Real(in.velocityFactor);
}

std::optional<MovedPoint> movePoint(const LineInput& in, LineModel model) {
    if (model == LineModel::Calculator) {
        const MeasuredPoint m = measure(in, normalise(in.loadImpedance, in.lineImpedance));
        const FarPoint far = moveAlong(in, m);
        if (far.impossible(in))
            return std::nullopt;
        return MovedPoint{
            {far.resistance.value(), far.reactance.value()}, far.swr.value(), far.totalLossDb.value()};
    }

    const double z0 = in.lineImpedance;
    const Real metres = shiftMetres(in);
    const Real matchedLossDb = metres * in.loss.at(in.mhz) / 100;
    const Complex gamma = propagationConstant(in.loss.at(in.mhz).value(), in.mhz, in.velocityFactor);
    MovedPoint p;
    double loadReflection = 0;
    if (in.direction == Direction::TowardsTransceiver) {
        p.impedance = seenThroughLine(in.loadImpedance, z0, gamma, metres.value());
        loadReflection = reflectionOn(in.loadImpedance, z0);
    } else {
        p.impedance = loadBehindLine(in.loadImpedance, z0, gamma, metres.value());
        loadReflection = reflectionOn(p.impedance, z0);
        // The measured reflection is more than the loss there and back leaves of a total reflection.
        if (!(loadReflection < 1) || !(p.impedance.real() > 0))
            return std::nullopt;
    }
    p.swr = num::SWRFromRho(reflectionOn(p.impedance, z0)).value();
    // The power leaves the line at the load: its reflection there sets the loss due to the SWR.
    p.totalLossDb = totalLoss(matchedLossDb, loadReflection).value();
    return p;
}

} // namespace line
