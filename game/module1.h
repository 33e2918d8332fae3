#pragma once

#include <cstdint>

namespace croquel {

// The program-wide variables shared by the handlers. They outlive the game
// window; every value starts at 0.
struct Module1 {
    std::int16_t junction = 0;
    std::int16_t top = 0;
    std::int16_t left = 0;
    std::int16_t nbra = 0;  // weight for a move right
    std::int16_t nbrb = 0;  // left
    std::int16_t nbrc = 0;  // up
    std::int16_t nbrd = 0;  // down
    std::uint8_t lastmove = 0;
    std::uint8_t prefdir = 0;
};

// Direction codes as stored in lastmove and prefdir.
enum class Direction : std::uint8_t { Down = 1, Up = 2, Right = 3, Left = 4 };

inline constexpr std::int16_t step = 620;

}  // namespace croquel
