#pragma once

#include "maze.h"

#include <array>
#include <set>
#include <utility>
#include <vector>

namespace croquel::testing {

using Cell = std::pair<int, int>;  // (row, column)

inline std::int16_t topOf(int row)
{
    return static_cast<std::int16_t>(gridOrigin + step * row);
}
inline std::int16_t leftOf(int column)
{
    return static_cast<std::int16_t>(gridOrigin + step * column);
}

inline int codeAt(Cell cell)
{
    return junctionTable[static_cast<std::size_t>(cell.first)][static_cast<std::size_t>(cell.second)];
}

inline Cell neighbour(Cell cell, Direction direction)
{
    switch (direction) {
    case Direction::Down: return {cell.first + 1, cell.second};
    case Direction::Up: return {cell.first - 1, cell.second};
    case Direction::Right: return {cell.first, cell.second + 1};
    case Direction::Left: return {cell.first, cell.second - 1};
    }
    return cell;
}

inline constexpr std::array<Direction, 4> directions{Direction::Down, Direction::Right, Direction::Up, Direction::Left};

// Every cell reachable from start by single moves the table allows.
inline std::set<Cell> reachableFrom(Cell start)
{
    std::set<Cell> seen{start};
    std::vector<Cell> todo{start};
    while (!todo.empty()) {
        const Cell cell = todo.back();
        todo.pop_back();
        for (Direction direction : directions) {
            if (!closes(static_cast<std::int16_t>(codeAt(cell)), direction)) {
                const Cell next = neighbour(cell, direction);
                if (seen.insert(next).second) {
                    todo.push_back(next);
                }
            }
        }
    }
    return seen;
}

}  // namespace croquel::testing
