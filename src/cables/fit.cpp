#include "cables/fit.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace cables {

namespace {

// Least squares of A x = b for a few columns by Householder reflections: the columns here (1, sqrt(f),
// f) span several decades, which the normal equations would square.
template <std::size_t P>
std::array<double, P> leastSquares(std::vector<std::array<double, P>> a, std::vector<double> b) {
    const std::size_t n = b.size();
    for (std::size_t k = 0; k < P; ++k) {
        double norm = 0;
        for (std::size_t i = k; i < n; ++i)
            norm = std::hypot(norm, a[i][k]);
        if (norm == 0)
            continue;
        const double alpha = a[k][k] > 0 ? -norm : norm;
        std::vector<double> v(n, 0);
        for (std::size_t i = k; i < n; ++i)
            v[i] = a[i][k];
        v[k] -= alpha;
        double vv = 0;
        for (std::size_t i = k; i < n; ++i)
            vv += v[i] * v[i];
        if (vv == 0)
            continue;
        for (std::size_t j = k; j < P; ++j) {
            double d = 0;
            for (std::size_t i = k; i < n; ++i)
                d += v[i] * a[i][j];
            d = 2 * d / vv;
            for (std::size_t i = k; i < n; ++i)
                a[i][j] -= d * v[i];
        }
        double d = 0;
        for (std::size_t i = k; i < n; ++i)
            d += v[i] * b[i];
        d = 2 * d / vv;
        for (std::size_t i = k; i < n; ++i)
            b[i] -= d * v[i];
    }
    std::array<double, P> x{};
    for (std::size_t k = P; k-- > 0;) {
        double s = b[k];
        for (std::size_t j = k + 1; j < P; ++j)
            s -= a[k][j] * x[j];
        x[k] = a[k][k] != 0 ? s / a[k][k] : 0;
    }
    return x;
}

// The lowest loss of the model from 0.1 MHz to `topMhz`: K0 + K1 s + K2 s^2 with s = sqrt(f) is lowest
// at an end of the range or at its vertex.
double lowestLoss(double k0, double k1, double k2, double topMhz) {
    const double s0 = std::sqrt(0.1), s1 = std::sqrt(topMhz);
    auto at = [&](double s) { return k0 + k1 * s + k2 * s * s; };
    double low = std::min(at(s0), at(s1));
    if (k2 > 0) {
        const double vertex = -k1 / (2 * k2);
        if (vertex > s0 && vertex < s1)
            low = std::min(low, at(vertex));
    }
    return low;
}

} // namespace

double modelLoss(double k0, double k1, double k2, double mhz) {
    return k0 + k1 * std::sqrt(mhz) + k2 * mhz;
}

DatasheetFit fitDatasheet(const Datasheet& d) {
    checkPoints(d.points);
    // In dB per 100 ft, the model's unit.
    const double toFeet = d.unit == LossUnit::PerHundredMetres ? kFeet : 1.0;
    std::vector<double> f, loss;
    double top = 0, largest = 0;
    for (const Point& p : d.points) {
        f.push_back(p.mhz);
        loss.push_back(p.loss * toFeet);
        top = std::max(top, p.mhz);
        largest = std::max(largest, p.loss * toFeet);
    }
    const std::size_t n = f.size();

    DatasheetFit r;
    if (n == 1) {
        r.k1 = loss[0] / std::sqrt(f[0]);
    } else {
        auto withoutK0 = [&] {
            std::vector<std::array<double, 2>> a;
            for (double x : f)
                a.push_back({std::sqrt(x), x});
            const auto k = leastSquares<2>(a, loss);
            r.k0 = 0;
            r.k1 = k[0];
            r.k2 = k[1];
        };
        if (n == 2) {
            withoutK0();
        } else {
            std::vector<std::array<double, 3>> a;
            for (double x : f)
                a.push_back({1.0, std::sqrt(x), x});
            const auto k = leastSquares<3>(a, loss);
            r.k0 = k[0];
            r.k1 = k[1];
            r.k2 = k[2];
            // A term worth less than 10^-12 of the largest loss anywhere in the points' range is rounding
            // left over from an exact fit: it is 0.
            const double negligible = 1e-12 * largest;
            if (std::fabs(r.k0) < negligible)
                r.k0 = 0;
            if (r.k0 < 0 || lowestLoss(r.k0, r.k1, r.k2, 10 * top) < 0) {
                r.withoutK0 = true;
                withoutK0();
            }
        }
    }
    const double negligible = 1e-12 * largest;
    if (std::fabs(r.k1) * std::sqrt(top) < negligible)
        r.k1 = 0;
    if (std::fabs(r.k2) * top < negligible)
        r.k2 = 0;

    // Residuals per 100 m, the unit the window shows losses in.
    double sum = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const double e = (modelLoss(r.k0, r.k1, r.k2, f[i]) - loss[i]) / kFeet;
        sum += e * e;
        r.max = std::max(r.max, std::fabs(e));
    }
    r.rms = std::sqrt(sum / static_cast<double>(n));
    // What is left of an exact fit is the doubles' rounding, far below any datasheet's last digit.
    const double floor = 1e-9 * std::max(1.0, largest / kFeet);
    if (r.rms < floor)
        r.rms = 0;
    if (r.max < floor)
        r.max = 0;
    return r;
}

} // namespace cables
