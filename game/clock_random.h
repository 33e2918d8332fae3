#pragma once

#include "platform.h"

#include <cstdint>

namespace croquel {

// Random draws reseeded from a clock. The clock is mixed into the running
// state rather than replacing it, so several reseeds within one clock tick
// still give fresh draws.
class ClockRandom final : public RandomSource {
public:
    // Reads a clock, in nanoseconds.
    using Clock = std::int64_t (*)();
    static std::int64_t systemClock();

    explicit ClockRandom(Clock clock = systemClock) : clock_(clock) {}

    void reseed() override;
    float next() override;

private:
    Clock clock_;
    std::uint64_t state_ = 0x9E3779B97F4A7C15ull;
};

}  // namespace croquel
