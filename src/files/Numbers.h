#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace scriptloom {

// Flags the program keeps as 16-bit numbers: True is -1, False is 0.
inline constexpr std::int16_t kTrue = -1;
inline constexpr std::int16_t kFalse = 0;

// A fraction turned into a 16-bit integer: to the nearest, halves to even (2.5 gives 2, 3.5 gives
// 4), as every conversion of a measured or computed position is. Values beyond the 16-bit range
// stop at its ends, and a value that is not a number gives 0.
inline std::int16_t roundToInt16(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    constexpr double lowest = std::numeric_limits<std::int16_t>::min();
    constexpr double highest = std::numeric_limits<std::int16_t>::max();
    // nearbyint follows the default rounding mode, which rounds halves to even.
    const double rounded = std::nearbyint(value);
    return static_cast<std::int16_t>(rounded < lowest    ? lowest
                                     : rounded > highest ? highest
                                                         : rounded);
}

}  // namespace scriptloom
