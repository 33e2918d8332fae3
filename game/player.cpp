// The player's tick: arrow keys move the player one cell per key and tick.
#include "form1.h"
#include "maze.h"

namespace croquel {

namespace {

struct KeyMove {
    ArrowKey key;
    Direction direction;
    std::int16_t Module1::*coordinate;
    int delta;
    PictureBox Form1::*image;
};

// Polled in this order, each key exactly once per tick.
constexpr std::array<KeyMove, 4> keyMoves{{
    {ArrowKey::Down, Direction::Down, &Module1::top, +step, &Form1::Picture2},
    {ArrowKey::Right, Direction::Right, &Module1::left, +step, &Form1::Picture1},
    {ArrowKey::Up, Direction::Up, &Module1::top, -step, &Form1::Picture4},
    {ArrowKey::Left, Direction::Left, &Module1::left, -step, &Form1::Picture3},
}};

}  // namespace

void Form1::Timer1_Timer()
{
    LookupJunction(module_);
    for (const KeyMove& move : keyMoves) {
        // A press toward a closed direction is consumed all the same.
        if (!platform_.keys.pressedSinceLastPoll(move.key) || closes(module_.junction, move.direction)) {
            continue;
        }
        module_.*move.coordinate = add16(module_.*move.coordinate, move.delta);
        PictureBox& image = this->*move.image;
        image.setTop(module_.top);
        image.setLeft(module_.left);
        showPlayerImage(&image);
        // The next key is tested against the cell just entered: testing two
        // keys against the starting cell could end a tick on a wall, where
        // the player would be stuck and the game could never end.
        LookupJunction(module_);
    }
}

}  // namespace croquel
