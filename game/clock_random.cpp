#include "clock_random.h"

#include <chrono>

namespace croquel {

namespace {

std::uint64_t splitmix64(std::uint64_t& state)
{
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

}  // namespace

std::int64_t ClockRandom::systemClock()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
}

void ClockRandom::reseed()
{
    state_ ^= static_cast<std::uint64_t>(clock_());
    splitmix64(state_);
}

float ClockRandom::next()
{
    // The top 24 bits fill a float's mantissa exactly, so the result is
    // evenly spread and never reaches 1.
    return static_cast<float>(splitmix64(state_) >> 40) * 0x1p-24f;
}

}  // namespace croquel
