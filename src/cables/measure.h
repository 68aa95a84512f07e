// A cable measured with an analyser: a one-port sweep of its input with the far end open or shorted, and
// its physical length, give its impedance Z0, velocity factor VF and loss (K1, K2; K0 = 0).
//
// The line's input reflection on the analyser's reference R is, with rho = (Z0 - R) / (Z0 + R) and
// E = exp(-2 gamma l), gamma = alpha + j beta:
//     open end:    (rho + E) / (1 + rho E)      (Zin = Z0 coth(gamma l))
//     shorted end: (rho - E) / (1 - rho E)      (Zin = Z0 tanh(gamma l))
// alpha from the matched loss (dB per 100 ft = K1 sqrt(f) + K2 f, f in MHz), beta = 2 pi f / (VF c).
//
// The fit starts from the resonances, where the input reactance changes sign at every quarter wave:
// their spacing gives the electrical length, hence VF; at the frequencies half way between two of them
// |Zin| is Z0 whatever the loss; the resistance at each resonance (Z0 tanh(alpha l) or Z0 coth(alpha l))
// gives the loss. Levenberg-Marquardt then fits the four numbers to the complex reflection of every
// point of the sweep.
#pragma once

#include "cables/cable.h"
#include "touchstone/touchstone.h"

#include <complex>

namespace cables {

struct Measurement {
    double z0 = 0, vf = 0;   // ohm, velocity factor
    double k1 = 0, k2 = 0;   // dB per 100 ft (K0 = 0)
    double rms = 0, max = 0; // |model - sweep| of the reflection coefficient over the sweep
    int resonances = 0;      // found in the sweep
    int iterations = 0;      // of the least-squares refinement
};

// Fits the line model to the sweep. Throws Refusal("Sweep", ...) for a two-port file, a sweep with fewer
// than two resonances, a fit that does not converge or that leaves the sweep far from the model, and
// Refusal("Length", ...) for a length that is not a positive number of metres.
Measurement measureCable(const touchstone::Network& sweep, double metres, LineEnd end);

// The input reflection of the model line on `refOhm` at `hz`.
std::complex<double> lineReflection(double z0, double vf, double k1, double k2, double metres, LineEnd end,
                                    double hz, double refOhm);

} // namespace cables
