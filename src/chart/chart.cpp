#include "chart/chart.h"

#include "line/line.h"
#include "numeric/routines.h"
#include "point/point.h"
#include "tuner/tuner.h"

#include <charconv>
#include <cmath>

namespace chart {

namespace {

// The tuner's report stands in Text5 (which the comparisons share): it is one of the tuner's texts.
bool tunerReportStands(const ui::Form& f) {
    const std::string& text = f.text("Text5");
    return text.starts_with("Tuner Insertion Loss = ") || text.starts_with("Tuner GAIN = ") ||
           text == "Invalid Data: check all the S- Parameters.";
}

// An impedance on 50 ohm from its reflection coefficient, or nothing for a total reflection at +1 (an
// open circuit, off every chart).
bool impedanceOn50(num::Real re, num::Real im, Complex& z) {
    try {
        z = {num::ZRFromGam(50, re, im, 1).value(), num::ZXFromGam(50, re, im, 1).value()};
        return true;
    } catch (const num::ArithFault&) {
        return false;
    }
}

std::string sixDigits(double v) {
    if (v == 0)
        v = 0; // no "-0"
    char buf[32];
    auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 6);
    return std::string(buf, r.ptr);
}

} // namespace

std::vector<Complex> linePath(const line::LineInput& in, const line::LineResult& result) {
    std::vector<Complex> path{in.loadImpedance};
    const int steps = std::max(1, static_cast<int>(std::ceil(std::abs(in.shiftDegrees))));
    for (int k = 1; k < steps; ++k) {
        line::LineInput part = in;
        part.shiftDegrees = in.shiftDegrees * k / steps;
        try {
            const line::LineResult r = line::compute(part);
            if (!r.far.impossible(part))
                path.emplace_back(r.far.resistance.value(), r.far.reactance.value());
        } catch (const num::ArithFault&) {
            // A point the line computation cannot reach is left out of the drawing.
        }
    }
    path.emplace_back(result.far.resistance.value(), result.far.reactance.value());
    return path;
}

Picture picture(ui::Form& f) {
    Picture p;
    if (!f.text("Text4").empty())
        p.markers.push_back({"point", f.vars<point::PointVars>().shownLoad});

    if (!f.text("Text22").empty()) {
        const auto& v = f.vars<line::LineVars>();
        p.markers.push_back({"line.measured", v.shownInput.loadImpedance});
        // No far point stands beside the invalid-data text.
        if (!v.shownResult.far.impossible(v.shownInput)) {
            const auto& far = v.shownResult.far;
            p.markers.push_back({"line.far", {far.resistance.value(), far.reactance.value()}});
            p.linePath = linePath(v.shownInput, v.shownResult);
        }
    }

    if (tunerReportStands(f)) {
        const auto& t = f.vars<tuner::TunerVars>();
        p.markers.push_back({"tuner.antenna", {t.ELR.value(), t.ELX.value()}});
        // The tuner's input reflection is b1 for a unit wave into port 1.
        Complex input;
        if (impedanceOn50(t.B1R, t.B1X, input))
            p.markers.push_back({"tuner.input", input});
    }
    return p;
}

std::vector<BandPoint> band(ui::Form& f, const touchstone::Network& sweep) {
    std::vector<BandPoint> out;
    if (f.text("Text22").empty())
        return out;
    const line::LineInput& panel = f.vars<line::LineVars>().shownInput;
    out.reserve(sweep.samples.size());
    for (const touchstone::Sample& s : sweep.samples) {
        if (!(std::abs(s.s[0]) < 1))
            continue; // no passive load
        line::LineInput in = panel;
        in.mhz = s.hz / 1e6;
        in.loadImpedance = touchstone::impedance(s.s[0], sweep.reference[0]);
        in.shiftDegrees = panel.shiftDegrees * in.mhz / panel.mhz;
        try {
            const line::MeasuredPoint m =
                line::measure(in, line::normalise(in.loadImpedance, in.lineImpedance));
            const line::FarPoint far = line::moveAlong(in, m);
            if (far.impossible(in))
                continue;
            out.push_back({in.mhz,
                           in.loadImpedance,
                           {far.resistance.value(), far.reactance.value()},
                           m.swr.value(),
                           far.swr.value(),
                           far.totalLossDb.value()});
        } catch (const num::ArithFault&) {
            // left out, as the panel would stop there
        }
    }
    return out;
}

std::string movedTouchstone(const std::vector<BandPoint>& band) {
    std::vector<std::pair<double, Complex>> points;
    points.reserve(band.size());
    for (const BandPoint& b : band)
        points.emplace_back(b.mhz * 1e6, (b.moved - 50.0) / (b.moved + 50.0));
    return touchstone::writeOnePortRI(points);
}

std::vector<std::string> lines(const Picture& p) {
    std::vector<std::string> out;
    for (const Marker& m : p.markers)
        out.push_back("chart| " + m.name + " " + sixDigits(m.z.real()) + " " + sixDigits(m.z.imag()));
    for (std::size_t i = 0; i < p.linePath.size(); ++i)
        out.push_back("chart| line.path " + std::to_string(i) + " " + sixDigits(p.linePath[i].real()) + " " +
                      sixDigits(p.linePath[i].imag()));
    return out;
}

} // namespace chart
