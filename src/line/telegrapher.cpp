#include "line/telegrapher.h"

#include "line/physics.h"
#include "numeric/checked.h"

#include <cmath>
#include <numbers>

namespace line {

namespace {

using C = std::complex<double>;

// A quotient of impedances, checked as every step of the window's calculations is.
C checkedQuotient(C num, C den) {
    if (den == C(0, 0))
        num::fault(num::ArithFault::Kind::DivisionByZero);
    const C q = num / den;
    return {num::checkedResult(q.real()), num::checkedResult(q.imag())};
}

C tanhOf(C gamma, double metres) {
    const C t = std::tanh(gamma * metres);
    return {num::checkedResult(t.real()), num::checkedResult(t.imag())};
}

} // namespace

C propagationConstant(double lossDbPer100m, double mhz, double velocityFactor) {
    // A matched loss of A dB is a voltage ratio of 10^(A/20) = e^(alpha l): alpha = A ln(10) / 20 per
    // length. One wavelength on the line, 2 pi radians, is velocityFactor times the free-space one.
    const double alpha = lossDbPer100m / 100 * std::numbers::ln10 / 20;
    const double beta = 2 * std::numbers::pi * mhz / (kSpeedOfLight * velocityFactor);
    return {num::checkedResult(alpha), num::checkedResult(beta)};
}

C seenThroughLine(C load, double z0, C gamma, double metres) {
    const C t = tanhOf(gamma, metres);
    return z0 * checkedQuotient(load + z0 * t, z0 + load * t);
}

C loadBehindLine(C input, double z0, C gamma, double metres) {
    const C t = tanhOf(gamma, metres);
    return z0 * checkedQuotient(input - z0 * t, z0 - input * t);
}

C openLineImpedance(double z0, C gamma, double metres) {
    return checkedQuotient(z0, tanhOf(gamma, metres));
}

C shortedLineImpedance(double z0, C gamma, double metres) {
    return z0 * tanhOf(gamma, metres);
}

} // namespace line
