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
    // Every key of the tick is judged by the cell where the tick began.
    LookupJunction(module_);
    for (const KeyMove& move : keyMoves) {
        if (!platform_.keys.pressedSinceLastPoll(move.key) || closes(module_.junction, move.direction)) {
            continue;  // a press toward a closed direction is consumed all the same
        }
        // After a first move the player stands elsewhere: a second move must
        // also leave that cell the open way, or two keys in one tick could
        // carry the player through a wall and strand it there for good.
        if (closes(junctionAt(module_.top, module_.left).value_or(module_.junction), move.direction)) {
            continue;
        }
        module_.*move.coordinate = add16(module_.*move.coordinate, move.delta);
        PictureBox& image = this->*move.image;
        image.setTop(module_.top);
        image.setLeft(module_.left);
        showPlayerImage(&image);
    }
}

}  // namespace croquel
