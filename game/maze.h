#pragma once

#include "module1.h"

#include <array>
#include <cstdint>
#include <optional>

namespace croquel {

inline constexpr int mazeRows = 11;
inline constexpr int mazeColumns = 18;
inline constexpr std::int16_t gridOrigin = 50;

// Junction code of every cell, rows by top (50 + 620 r), columns by left
// (50 + 620 c). Only the code of the cell being left decides a move, so
// some passages are one-way.
inline constexpr std::array<std::array<std::int16_t, mazeColumns>, mazeRows> junctionTable{{
    {6, 8, 8, 8, 8, 8, 2, 8, 8, 2, 8, 8, 2, 8, 2, 2, 2, 7},
    {10, 1, 1, 1, 1, 1, 10, 0, 0, 10, 0, 0, 10, 0, 4, 1, 1, 5},
    {10, 1, 1, 1, 1, 1, 10, 0, 0, 10, 0, 0, 10, 0, 4, 1, 1, 5},
    {10, 1, 1, 6, 8, 8, 3, 7, 0, 9, 8, 8, 11, 0, 4, 1, 1, 5},
    {10, 1, 1, 10, 0, 0, 0, 10, 0, 0, 0, 0, 0, 0, 4, 1, 1, 5},
    {10, 1, 1, 9, 8, 8, 2, 3, 8, 8, 7, 0, 6, 2, 1, 1, 1, 5},
    {10, 1, 1, 1, 1, 1, 10, 0, 0, 0, 10, 0, 4, 1, 1, 1, 1, 5},
    {10, 1, 1, 1, 1, 1, 10, 0, 12, 0, 10, 0, 4, 1, 1, 1, 1, 5},
    {4, 8, 8, 8, 2, 8, 11, 0, 10, 0, 10, 0, 4, 1, 1, 1, 1, 5},
    {10, 1, 1, 1, 10, 0, 0, 0, 10, 0, 10, 0, 4, 1, 1, 1, 1, 5},
    {9, 8, 8, 8, 3, 8, 8, 8, 3, 8, 3, 8, 3, 3, 3, 3, 3, 11},
}};

// Whether the junction code closes that direction. Codes outside 0..12
// never occur; they close everything, like a wall.
bool closes(std::int16_t junction, Direction direction);

// Grid index of a coordinate, or nothing when it is not exactly on the grid.
std::optional<int> gridIndex(std::int16_t twips, int count);

// The code of the cell at (top, left), or nothing off the grid.
std::optional<std::int16_t> junctionAt(std::int16_t top, std::int16_t left);

// Writes the code of (top, left) into junction; leaves junction as it was
// when the position is not a cell of the grid.
void LookupJunction(Module1& module);

}  // namespace croquel
