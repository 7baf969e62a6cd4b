#pragma once
#include <string>

namespace tk48 {

// A real as the configuration file writes it: fixed, `decimals` places
// ("%.3f", "%.4f"), correctly rounded. The editors show reals the same way.
std::string FormatReal(double value, int decimals);

}  // namespace tk48
