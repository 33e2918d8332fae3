#include "maze.h"

namespace croquel {

namespace {

enum Open : std::uint8_t { OpenDown = 1, OpenUp = 2, OpenRight = 4, OpenLeft = 8 };

constexpr std::array<std::uint8_t, 13> openDirections{
    0,                                         // 0 wall
    OpenUp | OpenDown | OpenLeft | OpenRight,  // 1
    OpenDown | OpenLeft | OpenRight,           // 2
    OpenUp | OpenLeft | OpenRight,             // 3
    OpenUp | OpenDown | OpenRight,             // 4
    OpenUp | OpenDown | OpenLeft,              // 5
    OpenDown | OpenRight,                      // 6
    OpenDown | OpenLeft,                       // 7
    OpenLeft | OpenRight,                      // 8
    OpenUp | OpenRight,                        // 9
    OpenUp | OpenDown,                         // 10
    OpenUp | OpenLeft,                         // 11
    OpenDown,                                  // 12
};

constexpr std::uint8_t bitOf(Direction direction)
{
    switch (direction) {
    case Direction::Down: return OpenDown;
    case Direction::Up: return OpenUp;
    case Direction::Right: return OpenRight;
    case Direction::Left: return OpenLeft;
    }
    return 0;
}

}  // namespace

bool closes(std::int16_t junction, Direction direction)
{
    if (junction < 0 || junction >= static_cast<int>(openDirections.size())) {
        return true;
    }
    return (openDirections[static_cast<std::size_t>(junction)] & bitOf(direction)) == 0;
}

std::optional<int> gridIndex(std::int16_t twips, int count)
{
    const int offset = twips - gridOrigin;
    if (offset < 0 || offset % step != 0 || offset / step >= count) {
        return std::nullopt;
    }
    return offset / step;
}

std::optional<std::int16_t> junctionAt(std::int16_t top, std::int16_t left)
{
    const auto row = gridIndex(top, mazeRows);
    const auto column = gridIndex(left, mazeColumns);
    if (!row || !column) {
        return std::nullopt;
    }
    return junctionTable[static_cast<std::size_t>(*row)][static_cast<std::size_t>(*column)];
}

void LookupJunction(Module1& module)
{
    if (const auto code = junctionAt(module.top, module.left)) {
        module.junction = *code;
    }
}

}  // namespace croquel
