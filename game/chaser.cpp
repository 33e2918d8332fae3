// The chaser's tick and its weights.
#include "form1.h"
#include "maze.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace croquel {

namespace {

std::int16_t& weightOf(Module1& module, Direction direction)
{
    switch (direction) {
    case Direction::Down: return module.nbrd;
    case Direction::Up: return module.nbrc;
    case Direction::Right: return module.nbra;
    case Direction::Left: return module.nbrb;
    }
    throw std::logic_error("no such direction");
}

constexpr Direction reverseOf(Direction direction)
{
    switch (direction) {
    case Direction::Down: return Direction::Up;
    case Direction::Up: return Direction::Down;
    case Direction::Right: return Direction::Left;
    case Direction::Left: return Direction::Right;
    }
    return direction;
}

bool isDirection(std::uint8_t code)
{
    return code >= 1 && code <= 4;
}

std::int16_t randomBase(RandomSource& random)
{
    random.reseed();
    const double draw = std::floor(static_cast<double>(random.next()) * 10.0);
    // The source promises [0, 1); a source that breaks it must not make a
    // weight leave its range.
    return static_cast<std::int16_t>(std::clamp(draw, 0.0, 9.0));
}

// One axis of the distance to the player. Equal coordinates leave the last
// measurement of that axis standing; playerFirst is 1 when the player has
// the smaller coordinate (above, or to the left).
void measureAxis(std::int16_t player, std::int16_t chaser, std::int16_t& gap, std::int16_t& playerFirst)
{
    if (player > chaser) {
        gap = checked16(std::int64_t{player} - chaser);
        playerFirst = 0;
    }
    if (player < chaser) {
        gap = checked16(std::int64_t{chaser} - player);
        playerFirst = 1;
    }
}

struct ChaserMove {
    Direction direction;
    float PictureBox::*coordinate;
    int delta;
};

// Tested in this order; the weights are not changed in between, so at most
// one of them holds.
constexpr std::array<ChaserMove, 4> chaserMoves{{
    {Direction::Right, &PictureBox::Left, +step},
    {Direction::Left, &PictureBox::Left, -step},
    {Direction::Up, &PictureBox::Top, -step},
    {Direction::Down, &PictureBox::Top, +step},
}};

constexpr std::array<Direction, 4> allDirections{Direction::Down, Direction::Up, Direction::Right, Direction::Left};

}  // namespace

void DrawWeights(Module1& module, RandomSource& random)
{
    // One reseed before every draw, in this order.
    for (std::int16_t* weight : {&module.nbra, &module.nbrb, &module.nbrc, &module.nbrd}) {
        *weight = randomBase(random);
    }
    if (isDirection(module.prefdir)) {
        std::int16_t& preferred = weightOf(module, Direction{module.prefdir});
        preferred = add16(preferred, 8);
    }
    if (isDirection(module.lastmove)) {
        const Direction last{module.lastmove};
        std::int16_t& onward = weightOf(module, last);
        onward = add16(onward, 4);
        weightOf(module, reverseOf(last)) = 1;
    }
    for (Direction direction : allDirections) {
        if (closes(module.junction, direction)) {
            weightOf(module, direction) = -100;
        }
    }
}

void Form1::Timer3_Timer()
{
    savetop = module_.top;
    saveleft = module_.left;
    // Lend top/left to the chaser for the lookup. Nothing here may let
    // another handler run until they are given back.
    module_.top = Picture5.topTwips();
    module_.left = Picture5.leftTwips();
    LookupJunction(module_);

    measureAxis(savetop, module_.top, gapv, upflag);
    measureAxis(saveleft, module_.left, gaph, leftflag);

    if (gapv > gaph) {
        if (upflag == 0) {
            module_.prefdir = static_cast<std::uint8_t>(Direction::Down);
        } else if (upflag == 1) {
            module_.prefdir = static_cast<std::uint8_t>(Direction::Up);
        }
    } else if (gapv < gaph) {
        if (leftflag == 0) {
            module_.prefdir = static_cast<std::uint8_t>(Direction::Right);
        } else if (leftflag == 1) {
            module_.prefdir = static_cast<std::uint8_t>(Direction::Left);
        }
    }

    DrawWeights(module_, platform_.random);

    for (const ChaserMove& move : chaserMoves) {
        const std::int16_t weight = weightOf(module_, move.direction);
        const bool beatsOthers = std::ranges::all_of(allDirections, [&](Direction other) {
            return other == move.direction || weight > weightOf(module_, other);
        });
        if (beatsOthers) {
            float& coordinate = Picture5.*move.coordinate;
            coordinate = static_cast<float>(add16(toInt16(coordinate), move.delta));
            module_.lastmove = static_cast<std::uint8_t>(move.direction);
            break;
        }
    }

    module_.top = savetop;
    module_.left = saveleft;

    Label1.Caption = "nbra :" + decimal(module_.nbra) + "nbrb:" + decimal(module_.nbrb)
                     + "nbrc:" + decimal(module_.nbrc) + "nbrd:" + decimal(module_.nbrd);
}

}  // namespace croquel
