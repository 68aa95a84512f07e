// The Smith chart, the band moved along the line, and matching: what the chart window shows, as text.
#include "tools/formscript/commands.h"
#include "tools/formscript/formscript.h"

#include "chart/chart.h"
#include "match/match.h"
#include "numeric/numtext.h"
#include "wiring/import.h"

#include <complex>
#include <fstream>
#include <optional>
#include <ostream>
#include <utility>
#include <vector>

namespace formscript {

namespace {

// The impedance a window source shows now, or nothing with the reason.
// The sources are the chart's markers: a marker stands while its panel's result stands.
std::optional<std::complex<double>> windowImpedance(const ui::Form& f, const std::string& source,
                                                    std::string& reason) {
    for (const chart::MatchSource& s : chart::kMatchSources) {
        if (source != s.marker)
            continue;
        if (const auto z = chart::markerImpedance(chart::picture(f, chart::Path::Left), source))
            return z;
        reason = s.missing;
        return std::nullopt;
    }
    throw ScriptError("match takes point, line.far, line.measured, tuner.antenna or R,X, not '" + source +
                      "'");
}

} // namespace

void chartCommand(Context& c) {
    c.noMore();
    for (const std::string& l : chart::lines(chart::picture(c.form)))
        c.out << l << '\n';
}

// match SOURCE MHZ RS: the L-network designs and the single stub for the source's impedance.
void matchCommand(Context& c) {
    const std::string source = c.word(), mhzText = c.word(), rsText = c.word();
    c.noMore();
    const auto mhz = num::parseNumber(mhzText), rs = num::parseNumber(rsText);
    if (source.empty() || !mhz || !rs)
        throw ScriptError("match takes SOURCE MHZ RS, the numbers with the dot");
    std::complex<double> z;
    if (const std::size_t comma = source.find(','); comma != std::string::npos) {
        const auto r = num::parseNumber(std::string_view(source).substr(0, comma));
        const auto x = num::parseNumber(std::string_view(source).substr(comma + 1));
        if (!r || !x)
            throw ScriptError("match takes R,X as two numbers with a comma between them");
        z = {*r, *x};
    } else {
        std::string reason;
        const auto found = windowImpedance(c.form, source, reason);
        if (!found) {
            c.out << "match| none " << reason << '\n';
            return;
        }
        z = *found;
    }
    const match::Result res = match::design(z, *mhz * 1e6, *rs, chart::stubVelocityFactor(c.form));
    if (!res.none.empty()) {
        c.out << "match| none " << res.none << '\n';
        return;
    }
    for (const match::Design& d : res.designs)
        c.out << "match| " << match::topologyName(d.topology) << ' ' << match::reactanceText(d.seriesX) << ' '
              << match::reactanceText(d.shuntX) << ' ' << match::partText(d.series) << ' '
              << match::partText(d.shunt) << ' ' << match::swrText(d.e24Swr) << '\n';
    // The stub in electrical degrees, then in metres on the line's velocity factor.
    const match::Stub& st = res.stub;
    c.out << "match| stub " << match::degreesText(st.distanceDeg) << ' ' << match::degreesText(st.openDeg)
          << ' ' << match::degreesText(st.shortDeg) << ' ' << match::metresText(st.distanceM) << ' '
          << match::metresText(st.openM) << ' ' << match::metresText(st.shortM) << '\n';
}

// export FILE: the band moved along the line saved as a Touchstone 1.1 one-port file.
void exportCommand(Context& c) {
    const std::string file = c.text();
    if (file.empty())
        throw ScriptError("export needs a file");
    const touchstone::Network* sweep = wiring::lineSweep(c.form);
    const std::vector<chart::BandPoint> band =
        sweep ? chart::band(c.form, *sweep) : std::vector<chart::BandPoint>{};
    if (band.empty()) {
        c.form.messageBox("Export",
                          "No band to save: import a one-port sweep into the line panel and compute "
                          "the line first.");
        return;
    }
    std::ofstream out(file, std::ios::binary);
    out << chart::movedTouchstone(band, chart::bandComments(c.form, *sweep));
    if (!out.flush())
        c.form.messageBox("Export", "The file " + file + " could not be written.");
}

// linemodel calculator|physical: the model that moves the line's points for chart, export and match.
void lineModelCommand(Context& c) {
    const std::string m = c.text();
    if (m == "calculator")
        chart::setLineModel(c.form, line::LineModel::Calculator);
    else if (m == "physical")
        chart::setLineModel(c.form, line::LineModel::Physical);
    else
        throw ScriptError("linemodel takes calculator or physical, not '" + m + "'");
}

} // namespace formscript
