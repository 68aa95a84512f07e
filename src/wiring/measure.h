// Measuring live: each sweep of an analyser written into a panel as a one-port import writes it, and the
// panel's result computed again when one stood before the sweep, so that the chart, the band and the far end
// of the line follow the antenna as it is trimmed.
#pragma once

#include "touchstone/touchstone.h"
#include "ui/form.h"
#include "wiring/import.h"

namespace wiring {

// importNetwork; then, when the fields were written and the panel's result stood before (the new values
// emptied it, as typing them would), the panel's computation again: the point's SWR ("CALCOLO SWR E DATI
// AUSILIARI"), the line (as the slider computes it), the tuner's insertion loss. Returns whether the
// fields were written.
bool importFollowing(ui::Form& f, ImportTarget target, double mhz, const touchstone::Network& sweep);

} // namespace wiring
