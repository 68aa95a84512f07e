// Reflection and angle routines shared by the calculators. Angles are in degrees, except the result of
// ArcCos, which is in radians. A reflection coefficient G is (gr, gi); a normalised impedance is (r, x).
#pragma once

#include "numeric/checked.h"

namespace num {

// pi as the program writes it everywhere: the decimal 3.14159265358979, a few ulps below the true pi.
inline constexpr double kPi = 3.14159265358979;

// a reduced into [0, 360).
Real Mod360(Real a);
// a reduced into (-180, 180]; the reduced value is also stored back into a.
Real Fold180(Real& a);
// Arc-cosine in radians built on the arctangent; ArcCos(-1) is -pi, values outside [-1, 1] give 0.
Real ArcCos(Real x);
// ArcCos(num / den) in degrees.
Real ArcCosDeg(Real num, Real den);
// Standing-wave ratio of a reflection magnitude; 0 when rho >= 1.
Real SWRFromRho(Real rho);
// Real and imaginary part of zref * (1 + G) / (1 - G), divided by zdiv.
Real ZRFromGam(Real zref, Real gr, Real gi, Real zdiv);
Real ZXFromGam(Real zref, Real gr, Real gi, Real zdiv);
// Real and imaginary part of (z - 1) / (z + 1).
Real GamRFromZ(Real r, Real x);
Real GamXFromZ(Real r, Real x);
// Square root of a^2 + b^2.
Real Magn(Real a, Real b);

} // namespace num
