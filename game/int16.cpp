#include "int16.h"

#include <cmath>
#include <limits>

namespace croquel {

std::int16_t checked16(std::int64_t value)
{
    if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max()) {
        throw OverflowError();
    }
    return static_cast<std::int16_t>(value);
}

std::int16_t toInt16(float twips)
{
    // std::rint follows the default rounding mode, which is ties-to-even.
    const double rounded = std::rint(static_cast<double>(twips));
    if (!(rounded >= std::numeric_limits<std::int16_t>::min() && rounded <= std::numeric_limits<std::int16_t>::max())) {
        throw OverflowError();
    }
    return static_cast<std::int16_t>(rounded);
}

}  // namespace croquel
