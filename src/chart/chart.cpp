#include "chart/chart.h"

#include "line/catalog.h"
#include "line/line.h"
#include "numeric/numtext.h"
#include "numeric/reflection.h"
#include "numeric/routines.h"
#include "point/point.h"
#include "tuner/tuner.h"

#include <cmath>
#include <optional>

namespace chart {

namespace {

// Six significant digits, an exponent for the very small and very large.
std::string general(double v) {
    return num::Significant(v, 6, '.', num::Notation::General);
}

struct ChartVars {
    line::LineModel lineModel = line::LineModel::Calculator;
    bool operator==(const ChartVars&) const = default;
};

// The line moved by a model, or nothing where the model cannot move it.
std::optional<line::MovedPoint> moved(const line::LineInput& in, line::LineModel model) {
    try {
        return line::movePoint(in, model);
    } catch (const num::ArithFault&) {
        return std::nullopt;
    }
}

} // namespace

double stubVelocityFactor(const ui::Form& f) {
    try {
        const double vf = num::Val(f.text(line::names::kVelocityFactor));
        if (vf > 0)
            return vf;
    } catch (const num::ArithFault&) {
        // a number too large for a double: no velocity factor
    }
    return kDefaultStubVelocityFactor;
}

line::LineModel lineModel(const ui::Form& f) {
    return f.vars<ChartVars>().lineModel;
}

void setLineModel(ui::Form& f, line::LineModel model) {
    f.vars<ChartVars>().lineModel = model;
}

std::vector<Complex> linePath(const line::LineInput& in, Complex far, line::LineModel model) {
    std::vector<Complex> path{in.loadImpedance};
    const int steps = std::max(1, static_cast<int>(std::ceil(std::abs(in.shiftDegrees))));
    path.reserve(static_cast<std::size_t>(steps) + 1);
    // The calculator's measured point is the same at every shift but for its turn: read once.
    std::optional<line::MeasuredPoint> measured;
    if (model == line::LineModel::Calculator && steps > 1) {
        try {
            measured = line::measure(in, line::normalise(in.loadImpedance, in.lineImpedance));
        } catch (const num::ArithFault&) {
            // as below, every point is then left out
        }
    }
    line::LineInput part = in;
    for (int k = 1; k < steps; ++k) {
        part.shiftDegrees = in.shiftDegrees * k / steps;
        // A point the model cannot reach is left out of the drawing.
        if (model == line::LineModel::Calculator) {
            if (!measured)
                continue;
            try {
                const line::FarPoint p = line::moveAlong(part, line::atShift(*measured, part.shiftDegrees));
                if (!p.impossible(part))
                    path.emplace_back(p.resistance.value(), p.reactance.value());
            } catch (const num::ArithFault&) {
            }
        } else if (const auto p = moved(part, model)) {
            path.push_back(p->impedance);
        }
    }
    path.push_back(far);
    return path;
}

Picture picture(const ui::Form& f, Path path) {
    Picture p;
    if (const auto load = point::standingLoad(f))
        p.markers.push_back({"point", *load});

    if (const line::LineVars* run = line::standingRun(f)) {
        const line::LineVars& v = *run;
        const line::LineModel model = lineModel(f);
        p.markers.push_back({"line.measured", v.shownInput.loadImpedance});
        // The calculator's far point is the one the panel shows (none beside the invalid-data text); the
        // physical line's is its own, where a passive antenna can give the measured point.
        std::optional<Complex> far;
        if (model == line::LineModel::Calculator) {
            if (!v.shownResult.far.impossible(v.shownInput))
                far = Complex(v.shownResult.far.resistance.value(), v.shownResult.far.reactance.value());
        } else if (const auto m = moved(v.shownInput, model)) {
            far = m->impedance;
        }
        if (far) {
            p.markers.push_back({"line.far", *far});
            if (path == Path::Drawn)
                p.linePath = linePath(v.shownInput, *far, model);
        }
    }

    if (const auto t = tuner::standingResult(f)) {
        p.markers.push_back({"tuner.antenna", t->antenna});
        if (t->input)
            p.markers.push_back({"tuner.input", *t->input});
    }
    return p;
}

std::optional<Complex> markerImpedance(const Picture& p, std::string_view name) {
    for (const Marker& m : p.markers)
        if (m.name == name)
            return m.z;
    return std::nullopt;
}

LineFields lineFields(const ui::Form& f) {
    const auto field = [&f](const char* name) {
        try {
            return f.val(name);
        } catch (const num::ArithFault&) {
            return 0.0;
        }
    };
    return {field(line::names::kMhz), field(line::names::kTransceiverOhm)};
}

std::optional<double> lineLengthMetres(const ui::Form& f) {
    const line::LineVars* run = line::standingRun(f);
    if (!run)
        return std::nullopt;
    try {
        return line::shiftMetres(run->shownInput).value();
    } catch (const num::ArithFault&) {
        return std::nullopt;
    }
}

std::vector<BandPoint> band(const ui::Form& f, const touchstone::Network& sweep) {
    std::vector<BandPoint> out;
    const line::LineVars* run = line::standingRun(f);
    if (!run)
        return out;
    const line::LineInput& panel = run->shownInput;
    const line::LineModel model = lineModel(f);
    out.reserve(sweep.samples.size());
    for (const touchstone::Sample& s : sweep.samples) {
        if (!(std::abs(s.s[0]) < 1))
            continue; // no passive load
        line::LineInput in = panel;
        in.mhz = s.hz / 1e6;
        in.loadImpedance = num::impedance(s.s[0], sweep.reference[0]);
        in.shiftDegrees = panel.shiftDegrees * in.mhz / panel.mhz;
        try {
            const auto far = line::movePoint(in, model);
            if (!far)
                continue;
            const double swrMeasured =
                line::measure(in, line::normalise(in.loadImpedance, in.lineImpedance)).swr.value();
            out.push_back(
                {in.mhz, in.loadImpedance, far->impedance, swrMeasured, far->swr, far->totalLossDb});
        } catch (const num::ArithFault&) {
            // left out, as the panel would stop there
        }
    }
    return out;
}

std::vector<std::string> bandComments(const ui::Form& f, const touchstone::Network& sweep) {
    const line::LineVars* run = line::standingRun(f);
    if (!run)
        return {};
    const line::LineInput& in = run->shownInput;
    const auto number = [](double v, const char* pattern) { return num::Format(v, pattern); };
    std::string cable;
    if (in.loss.catalogEntry >= 0 && in.loss.catalogEntry < line::cableCount(f))
        cable = line::cableName(f, in.loss.catalogEntry);
    else
        cable = "typed line data, " + number(in.loss.typedDbPer100m, "0.00") + " dB/100 m";
    cable += ", Z0 " + number(in.lineImpedance, "0.0") + " ohm, VF " + number(in.velocityFactor, "0.000");
    std::string metres;
    try {
        metres = number(line::shiftMetres(in).value(), "0.000");
    } catch (const num::ArithFault&) {
        metres = "?";
    }
    const bool towardsAntenna = in.direction == line::Direction::TowardsAntenna;
    const line::LineModel model = lineModel(f);
    return {
        "Moved sweep of " + sweep.name,
        "Cable: " + cable,
        "Shift: " + std::string(towardsAntenna ? "-" : "+") + number(std::abs(in.shiftDegrees), "0.00") +
            " degrees at " + number(in.mhz, "0.000") + " MHz, " + metres + " m",
        std::string("Direction: ") + (towardsAntenna ? "towards the antenna" : "towards the transceiver"),
        std::string("Line model: ") + (model == line::LineModel::Physical
                                           ? "physical line (telegrapher's equations, matched loss)"
                                           : "calculator (the panel's figures)"),
    };
}

std::string movedTouchstone(const std::vector<BandPoint>& band, const std::vector<std::string>& comments) {
    std::vector<std::pair<double, Complex>> points;
    points.reserve(band.size());
    for (const BandPoint& b : band)
        points.emplace_back(b.mhz * 1e6, num::reflection(b.moved, 50.0));
    return touchstone::writeOnePortRI(points, comments);
}

std::vector<std::string> lines(const Picture& p) {
    std::vector<std::string> out;
    out.reserve(p.markers.size() + p.linePath.size());
    const auto line = [&out](std::string_view name, Complex z) {
        std::string l = "chart| ";
        l.reserve(48);
        l += name;
        l += ' ';
        l += general(z.real());
        l += ' ';
        l += general(z.imag());
        out.push_back(std::move(l));
    };
    for (const Marker& m : p.markers)
        line(m.name, m.z);
    for (std::size_t i = 0; i < p.linePath.size(); ++i)
        line("line.path " + std::to_string(i), p.linePath[i]);
    return out;
}

} // namespace chart
