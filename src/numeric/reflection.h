// An impedance and its reflection coefficient on a real reference, and the standing-wave ratio, in plain
// doubles: what the chart draws, an imported measurement and a matching network use. (The calculators
// work in checked arithmetic with the routines of routines.h.)
#pragma once

#include <cmath>
#include <complex>
#include <limits>

namespace num {

using Complex = std::complex<double>;

// The reflection coefficient of impedance z (ohm) on a real reference z0 (ohm): (z - z0) / (z + z0).
// An infinite or a non-finite z is the open circuit, gamma = 1; so is z = -z0.
inline Complex reflection(Complex z, double z0) {
    if (!std::isfinite(z.real()) || !std::isfinite(z.imag()))
        return {1.0, 0.0};
    const Complex d = z + z0;
    if (d == Complex(0.0, 0.0))
        return {1.0, 0.0};
    return (z - z0) / d;
}

// The impedance (ohm) whose reflection coefficient on z0 is gamma: z0 (1 + gamma) / (1 - gamma); gamma = 1
// gives an infinite impedance.
inline Complex impedance(Complex gamma, double z0) {
    const Complex d = Complex(1.0, 0.0) - gamma;
    if (d == Complex(0.0, 0.0))
        return {std::numeric_limits<double>::infinity(), 0.0};
    return z0 * (Complex(1.0, 0.0) + gamma) / d;
}

// The standing-wave ratio of a reflection magnitude: (1 + rho) / (1 - rho); infinite on and outside the
// unit circle.
inline double swr(double rho) {
    if (!(rho < 1.0))
        return std::numeric_limits<double>::infinity();
    return (1.0 + rho) / (1.0 - rho);
}

} // namespace num
