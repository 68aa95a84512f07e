#include "numeric/routines.h"

namespace num {

Real Mod360(Real a) {
    Real q = a / 360;
    return a - Int(q) * 360;
}

Real Fold180(Real& a) {
    Real q = a / 360;
    Real t = a - Int(q) * 360;
    a = t;
    if (t > 180)
        a = t - 360;
    return a;
}

Real ArcCos(Real x) {
    Real result = 0;
    if (x == 1) {
        result = 0;
    } else if (x == -1) {
        result = -kPi;
    } else if (x > 0 && x < 1) {
        result = atn(pow(1 - pow(x, 2), 0.5) / x);
    } else if (x > -1 && x < 0) {
        result = atn(pow(1 - pow(x, 2), 0.5) / x) + kPi;
    } else if (x == 0) {
        result = Real(kPi) / 2;
    }
    return result;
}

Real ArcCosDeg(Real num, Real den) {
    Real t = num / den;
    return ArcCos(t) * 180 / kPi;
}

Real SWRFromRho(Real rho) {
    if (rho >= 1)
        return 0;
    return (rho + 1) / (1 - rho);
}

Real ZRFromGam(Real zref, Real gr, Real gi, Real zdiv) {
    Real n = (1 - pow(gr, 2)) - pow(gi, 2);
    Real d = (pow(gr, 2) + 1 - 2 * gr) + pow(gi, 2);
    return (n / d) * zref / zdiv;
}

Real ZXFromGam(Real zref, Real gr, Real gi, Real zdiv) {
    Real n = 2 * gi;
    Real d = (pow(gr, 2) + 1 - 2 * gr) + pow(gi, 2);
    return (n / d) * zref / zdiv;
}

Real GamRFromZ(Real r, Real x) {
    Real n = (pow(r, 2) - 1) + pow(x, 2);
    Real d = (pow(r, 2) + 2 * r + 1) + pow(x, 2);
    return n / d;
}

Real GamXFromZ(Real r, Real x) {
    Real n = 2 * x;
    Real d = (pow(r, 2) + 2 * r + 1) + pow(x, 2);
    return n / d;
}

Real Magn(Real a, Real b) {
    return pow(pow(b, 2) + pow(a, 2), 0.5);
}

} // namespace num
