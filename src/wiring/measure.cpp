#include "wiring/measure.h"

#include "line/line.h"
#include "point/point.h"
#include "tuner/tuner.h"

namespace wiring {

namespace {

// The tuner's report in Text5, which the comparisons share.
bool tunerReportStands(const ui::Form& f) {
    const std::string& t = f.text("Text5");
    return t.starts_with("Tuner Insertion Loss = ") || t.starts_with("Tuner GAIN = ");
}

} // namespace

bool importFollowing(ui::Form& f, ImportTarget target, double mhz, const touchstone::Network& sweep) {
    bool stood = false;
    switch (target) {
    case ImportTarget::Point:
        stood = !f.text("Text4").empty();
        break;
    case ImportTarget::Line:
        stood = !f.text("Text22").empty();
        break;
    case ImportTarget::Antenna:
    case ImportTarget::Tuner:
        stood = tunerReportStands(f);
        break;
    }
    if (!importNetwork(f, target, mhz, sweep))
        return false;
    if (!stood)
        return true;
    switch (target) {
    case ImportTarget::Point:
        point::command4Click(f);
        break;
    case ImportTarget::Line:
        line::LineCompute(f);
        break;
    case ImportTarget::Antenna:
    case ImportTarget::Tuner:
        tuner::command8Click(f);
        break;
    }
    return true;
}

} // namespace wiring
