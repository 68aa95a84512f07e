#include "cables/measure.h"

#include "line/catalog.h"
#include "line/telegrapher.h"
#include "numeric/checked.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace cables {

namespace {

using Complex = std::complex<double>;

constexpr double kC = 299792458.0; // m/s

struct Params {
    double z0, vf, k1, k2; // K in dB per 100 ft
};

// The matched loss in dB per 100 m of the model's cable at `mhz`: the catalog's formula with K0 = 0.
double lossPer100m(double k1, double k2, double mhz) {
    return line::matchedLoss({0, k1 * 1e6, k2 * 1e6}, mhz).value();
}

// The model's reflection at one frequency and, when wanted, its derivatives by ln(Z0), VF, K1, K2. The
// line is the window's physical line (line/telegrapher.h): gamma from the matched loss and VF, the
// input impedance of the open or shorted line.
struct Model {
    double refOhm, metres;
    bool open;

    Complex at(const Params& p, double hz, std::array<Complex, 4>* d = nullptr) const {
        const double mhz = hz / 1e6;
        const Complex gamma = line::propagationConstant(lossPer100m(p.k1, p.k2, mhz), mhz, p.vf);
        const Complex zin = open ? line::openLineImpedance(p.z0, gamma, metres)
                                 : line::shortedLineImpedance(p.z0, gamma, metres);
        const Complex g = (zin - refOhm) / (zin + refOhm);
        if (d) {
            const Complex dG = 2 * refOhm / ((zin + refOhm) * (zin + refOhm)); // by Zin
            // By gamma l, for the open line (Z0 coth) and the shorted one (Z0 tanh) alike.
            const Complex dX = dG * (p.z0 - zin * zin / p.z0);
            // alpha is linear in K1 and K2; beta goes as 1 / VF.
            const double perK1 = line::propagationConstant(lossPer100m(1, 0, mhz), mhz, p.vf).real();
            const double perK2 = line::propagationConstant(lossPer100m(0, 1, mhz), mhz, p.vf).real();
            (*d)[0] = dG * zin; // Zin goes as Z0 at a given gamma
            (*d)[1] = dX * Complex(0, -metres * gamma.imag() / p.vf);
            (*d)[2] = dX * (metres * perK1);
            (*d)[3] = dX * (metres * perK2);
        }
        return g;
    }
};

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// The reflection at `hz` by linear interpolation between the sweep's points.
Complex interpolated(const std::vector<touchstone::Sample>& s, double hz) {
    const auto it = std::lower_bound(s.begin(), s.end(), hz,
                                     [](const touchstone::Sample& a, double f) { return a.hz < f; });
    if (it == s.begin())
        return s.front().s[0];
    if (it == s.end())
        return s.back().s[0];
    const auto& a = *std::prev(it);
    const auto& b = *it;
    const double t = (hz - a.hz) / (b.hz - a.hz);
    return a.s[0] + t * (b.s[0] - a.s[0]);
}

struct Crossing {
    double hz;
    bool upward; // the reactance goes from negative to positive
};

// Where the input reactance changes sign: Im(S11) has the reactance's sign on a real reference. A sign
// counts only once the value is clear of the noise, so a noisy crossing is one crossing.
std::vector<Crossing> crossings(const std::vector<touchstone::Sample>& s) {
    std::vector<double> im;
    for (const auto& x : s)
        im.push_back(x.s[0].imag());
    // The noise from the second differences, which a smooth sweep keeps small.
    std::vector<double> second;
    for (std::size_t i = 1; i + 1 < im.size(); ++i)
        second.push_back(std::fabs(im[i + 1] - 2 * im[i] + im[i - 1]));
    const double sigma = second.empty() ? 0 : median(second) / 0.6745 / std::sqrt(6.0);
    const double clear = std::clamp(4 * sigma, 0.01, 0.1);

    std::vector<Crossing> out;
    int state = 0;
    std::size_t lastOfState = 0; // the last point on the side of `state`
    for (std::size_t i = 0; i < im.size(); ++i) {
        const int side = im[i] > 0 ? 1 : im[i] < 0 ? -1 : 0;
        if (state != 0 && side == state) {
            lastOfState = i;
            continue;
        }
        if (std::fabs(im[i]) < clear || side == 0)
            continue;
        if (state != 0) {
            // The crossing is the last change of sign between the two sides.
            std::size_t j = i;
            while (j > lastOfState + 1 && (im[j - 1] > 0 ? 1 : -1) == side)
                --j;
            const double a = im[j - 1], b = im[j];
            const double t = b != a ? a / (a - b) : 0.5;
            out.push_back({s[j - 1].hz + std::clamp(t, 0.0, 1.0) * (s[j].hz - s[j - 1].hz), side > 0});
        }
        state = side;
        lastOfState = i;
    }
    return out;
}

std::string mhz(double hz) {
    return sixDigits(hz / 1e6) + " MHz";
}

// Solves the 4 x 4 system a x = b by Gaussian elimination with partial pivoting; false when singular.
bool solve4(std::array<std::array<double, 4>, 4> a, std::array<double, 4> b, std::array<double, 4>& x) {
    for (int k = 0; k < 4; ++k) {
        int p = k;
        for (int i = k + 1; i < 4; ++i)
            if (std::fabs(a[i][k]) > std::fabs(a[p][k]))
                p = i;
        if (!(std::fabs(a[p][k]) > 0))
            return false;
        std::swap(a[k], a[p]);
        std::swap(b[k], b[p]);
        for (int i = k + 1; i < 4; ++i) {
            const double m = a[i][k] / a[k][k];
            for (int j = k; j < 4; ++j)
                a[i][j] -= m * a[k][j];
            b[i] -= m * b[k];
        }
    }
    for (int k = 3; k >= 0; --k) {
        double s = b[k];
        for (int j = k + 1; j < 4; ++j)
            s -= a[k][j] * x[j];
        x[k] = s / a[k][k];
    }
    return true;
}

} // namespace

Complex lineReflection(double z0, double vf, double k1, double k2, double metres, LineEnd end, double hz,
                       double refOhm) {
    const Model m{refOhm, metres, end == LineEnd::Open};
    return m.at({z0, vf, k1, k2}, hz);
}

Measurement measureCable(const touchstone::Network& sweep, double metres, LineEnd end) {
    if (!std::isfinite(metres) || !(metres > 0))
        throw Refusal("Length", "The cable's length must be greater than 0.");
    if (sweep.ports != 1)
        throw Refusal("Sweep", sweep.name + " is a two-port file: the measurement needs a one-port sweep "
                                            "(.s1p) of the cable's input.");
    // A point at 0 Hz tells nothing of the line (an open line is open there, a shorted one shorted).
    std::vector<touchstone::Sample> s;
    for (const auto& x : sweep.samples)
        if (x.hz > 0)
            s.push_back(x);
    const double R = sweep.reference[0];
    const bool open = end == LineEnd::Open;

    // ---- the resonances and the electrical length ----
    const std::vector<Crossing> found = crossings(s);
    // The second resonance of any cable of this length lies below c / (2 l) (VF at most 1).
    const std::string hint = "sweep the " + std::string(open ? "open" : "shorted") +
                             " cable up to at least " + mhz(kC / (2 * metres)) + ".";
    if (found.size() < 2)
        throw Refusal("Sweep", "The sweep shows " + std::to_string(found.size()) +
                                   (found.size() == 1 ? " resonance" : " resonances") +
                                   "; the measurement needs at least two: " + hint);
    std::vector<double> gaps;
    for (std::size_t i = 1; i < found.size(); ++i)
        gaps.push_back(found[i].hz - found[i - 1].hz);
    double quarter = median(gaps); // the frequency of one quarter wave
    // Each crossing's count of quarter waves: odd where the open line's reactance rises through 0 (a
    // series resonance), even where it falls; the other way round for a shorted line.
    std::vector<double> count;
    for (const Crossing& c : found) {
        const bool odd = c.upward == open;
        double k = std::max(1.0, std::round(c.hz / quarter));
        if ((static_cast<long>(k) % 2 == 1) != odd)
            k = c.hz / quarter > k || k == 1 ? k + 1 : k - 1;
        count.push_back(k);
    }
    double num = 0, den = 0;
    for (std::size_t i = 0; i < found.size(); ++i) {
        num += count[i] * found[i].hz;
        den += count[i] * count[i];
    }
    quarter = num / den;
    Params p{};
    p.vf = 4 * metres * quarter / kC;

    // ---- Z0: |Zin| = Z0 half way between two resonances, whatever the loss ----
    auto impedance = [&](Complex g) { return R * (1.0 + g) / (1.0 - g); };
    double logSum = 0;
    int mids = 0;
    for (double k = 0.5; (k + 0.0) * quarter <= s.back().hz; k += 1) {
        const double hz = k * quarter;
        if (hz < s.front().hz)
            continue;
        const double z = std::abs(impedance(interpolated(s, hz)));
        if (std::isfinite(z) && z > 0) {
            logSum += std::log(z);
            ++mids;
        }
    }
    p.z0 = mids ? std::exp(logSum / mids) : R;

    // ---- the loss: the resistance at each resonance ----
    std::vector<double> perRootMhz;
    for (std::size_t i = 0; i < found.size(); ++i) {
        const double r = impedance(interpolated(s, found[i].hz)).real();
        const bool low = (static_cast<long>(count[i]) % 2 == 1) == open; // Z0 tanh(alpha l)
        const double ratio = low ? r / p.z0 : p.z0 / r;
        if (!(ratio > 0 && ratio < 1))
            continue;
        // alpha l of a line of K1 alone, which grows as sqrt(f).
        const double mhz = found[i].hz / 1e6;
        const double perK1 = line::propagationConstant(lossPer100m(1, 0, mhz), mhz, p.vf).real();
        perRootMhz.push_back(std::atanh(ratio) / (metres * perK1));
    }
    p.k1 = perRootMhz.empty() ? 0.1 : std::max(1e-6, median(perRootMhz)); // dB per 100 ft
    p.k2 = 0;

    // ---- Levenberg-Marquardt on the complex reflection of every point ----
    const Model model{R, metres, open};
    // A trial the line cannot take (an impedance beyond a double's range) costs infinitely much.
    auto cost = [&](const Params& q) {
        double c = 0;
        try {
            for (const auto& x : s)
                c += std::norm(model.at(q, x.hz) - x.s[0]);
        } catch (const num::ArithFault&) {
            return HUGE_VAL;
        }
        return c;
    };
    double current = cost(p);
    double lambda = 1e-3;
    Measurement m;
    bool converged = false;
    for (m.iterations = 1; m.iterations <= 200; ++m.iterations) {
        std::array<std::array<double, 4>, 4> jtj{};
        std::array<double, 4> jtr{};
        std::array<Complex, 4> d;
        for (const auto& x : s) {
            const Complex r = model.at(p, x.hz, &d) - x.s[0]; // p's cost was finite: so is every point
            for (int a = 0; a < 4; ++a) {
                jtr[a] += d[a].real() * r.real() + d[a].imag() * r.imag();
                for (int b = 0; b < 4; ++b)
                    jtj[a][b] += d[a].real() * d[b].real() + d[a].imag() * d[b].imag();
            }
        }
        bool stepped = false;
        for (int tries = 0; tries < 30 && !stepped; ++tries) {
            auto a = jtj;
            std::array<double, 4> b{};
            for (int i = 0; i < 4; ++i) {
                a[i][i] += lambda * std::max(jtj[i][i], 1e-12);
                b[i] = -jtr[i];
            }
            std::array<double, 4> step{};
            if (!solve4(a, b, step)) {
                lambda *= 10;
                continue;
            }
            Params q{p.z0 * std::exp(std::clamp(step[0], -1.0, 1.0)), p.vf + step[1],
                     std::max(0.0, p.k1 + step[2]), std::max(0.0, p.k2 + step[3])};
            if (!(q.vf > 0.01) || !std::isfinite(q.vf) || !std::isfinite(q.z0)) {
                lambda *= 10;
                continue;
            }
            const double next = cost(q);
            if (std::isfinite(next) && next <= current) {
                const double change = current - next;
                const bool small = std::fabs(step[0]) < 1e-10 && std::fabs(step[1]) < 1e-10 * p.vf &&
                                   std::fabs(q.k1 - p.k1) <= 1e-9 * (p.k1 + 1e-6) &&
                                   std::fabs(q.k2 - p.k2) <= 1e-9 * (p.k2 + 1e-6);
                p = q;
                converged = small || change <= 1e-14 * current;
                current = next;
                lambda = std::max(lambda / 3, 1e-12);
                stepped = true;
            } else {
                lambda *= 4;
            }
        }
        if (!stepped)
            converged = true; // no step lowers the cost: the minimum, as far as doubles tell
        if (converged)
            break;
    }
    if (!converged)
        throw Refusal("Sweep", "The fit of the line model to " + sweep.name +
                                   " did not converge: check the far end (open or short) and the length.");

    m.z0 = p.z0;
    m.vf = p.vf;
    m.k1 = p.k1;
    m.k2 = p.k2;
    m.resonances = static_cast<int>(found.size());
    double sum = 0;
    for (const auto& x : s) {
        const double e = std::abs(model.at(p, x.hz) - x.s[0]);
        sum += e * e;
        m.max = std::max(m.max, e);
    }
    m.rms = std::sqrt(sum / static_cast<double>(s.size()));
    if (m.rms > 0.1)
        throw Refusal("Sweep", "The sweep does not follow a cable with its far end " +
                                   std::string(open ? "open" : "shorted") + " (RMS difference " +
                                   sixDigits(m.rms) + " in the reflection coefficient): check the far end.");
    if (m.vf > 1)
        throw Refusal("Sweep", "The sweep gives a velocity factor of " + sixDigits(m.vf) +
                                   ", more than 1: check the cable's length.");
    return m;
}

} // namespace cables
