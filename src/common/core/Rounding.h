#pragma once

#include <cmath>

namespace norvane {

// Sizes derived from a window's size round to the nearest integer, halves to even.
[[nodiscard]] inline int roundHalfEven(double value)
{
    const double floor = std::floor(value);
    const double fraction = value - floor;
    if (fraction > 0.5)
        return static_cast<int>(floor) + 1;
    if (fraction < 0.5)
        return static_cast<int>(floor);
    const int even = static_cast<int>(floor);
    return even % 2 == 0 ? even : even + 1;
}

} // namespace norvane
