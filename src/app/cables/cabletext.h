// The cable dialogs' numbers as the user reads them.
#pragma once

#include "numeric/numtext.h"

#include <QString>

#include <string>

namespace app::cabletext {

inline QString q(const std::string& s) {
    return QString::fromStdString(s);
}

// A value to `n` significant digits with the dot.
inline QString digits(double v, int n = 4) {
    return q(num::Significant(v, n));
}

} // namespace app::cabletext
