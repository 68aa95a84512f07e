// The physical line: an impedance seen through a length of lossy line of real characteristic impedance by
// the telegrapher's equations, with the propagation constant from the cable's matched loss and velocity
// factor. Functions of numbers; a result that does not fit a double (an infinite impedance at a resonance
// of a lossless line) stops the calculation with num::ArithFault.
#pragma once

#include <complex>

namespace line {

// gamma = alpha + j beta per metre (nepers, radians) of a line of matched loss lossDbPer100m at mhz.
std::complex<double> propagationConstant(double lossDbPer100m, double mhz, double velocityFactor);

// The impedance at the input of `metres` of line (z0, gamma) ended by `load`:
// Z0 (Z + Z0 tanh(gamma l)) / (Z0 + Z tanh(gamma l)).
std::complex<double> seenThroughLine(std::complex<double> load, double z0, std::complex<double> gamma,
                                     double metres);

// The load at the end of `metres` of line (z0, gamma) whose input shows `input`: the inverse,
// Z0 (Zin - Z0 tanh(gamma l)) / (Z0 - Zin tanh(gamma l)).
std::complex<double> loadBehindLine(std::complex<double> input, double z0, std::complex<double> gamma,
                                    double metres);

// The input impedance of `metres` of line (z0, gamma) left open at its end, Z0 / tanh(gamma l), and
// shorted at its end, Z0 tanh(gamma l).
std::complex<double> openLineImpedance(double z0, std::complex<double> gamma, double metres);
std::complex<double> shortedLineImpedance(double z0, std::complex<double> gamma, double metres);

} // namespace line
