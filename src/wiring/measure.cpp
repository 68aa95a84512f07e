#include "wiring/measure.h"

#include "line/line.h"
#include "point/point.h"
#include "tuner/tuner.h"

namespace wiring {

bool importFollowing(ui::Form& f, ImportTarget target, double mhz, const touchstone::Network& sweep) {
    bool stood = false;
    switch (target) {
    case ImportTarget::Point:
        stood = point::standingLoad(f).has_value();
        break;
    case ImportTarget::Line:
        stood = line::standingRun(f) != nullptr;
        break;
    case ImportTarget::Antenna:
    case ImportTarget::Tuner:
        stood = tuner::standingResult(f).has_value();
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
