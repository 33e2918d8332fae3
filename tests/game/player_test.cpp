#include "fakes.h"
#include "maze_walk.h"

#include <gtest/gtest.h>

#include <random>

namespace croquel {
namespace {

using testing::Game;
using enum ArrowKey;

struct Sprite {
    float top;
    float left;
    bool visible;
    bool operator==(const Sprite&) const = default;
};

Sprite spriteOf(const PictureBox& box)
{
    return {box.Top, box.Left, box.Visible};
}

// Polling: every key once per tick, in the order down, right, up, left.
TEST(PlayerTick, PollsEachKeyOnceInFixedOrderWhateverHappens)
{
    Game game;
    game.keys.press({Down, Right, Up, Left});
    game.form.Timer1_Timer();
    game.form.Timer1_Timer();
    const std::vector<ArrowKey> oneTick{Down, Right, Up, Left};
    std::vector<ArrowKey> twoTicks = oneTick;
    twoTicks.insert(twoTicks.end(), oneTick.begin(), oneTick.end());
    EXPECT_EQ(game.keys.polls, twoTicks);
}

TEST(PlayerTick, WithoutKeysNothingMovesButTheJunctionIsRefreshed)
{
    Game game;
    game.module.junction = 12;
    const Sprite before[] = {spriteOf(game.form.Picture1), spriteOf(game.form.Picture2)};
    game.form.Timer1_Timer();
    EXPECT_EQ(game.module.junction, 6);
    EXPECT_EQ(game.module.top, 50);
    EXPECT_EQ(game.module.left, 50);
    EXPECT_EQ(spriteOf(game.form.Picture1), before[0]);
    EXPECT_EQ(spriteOf(game.form.Picture2), before[1]);
}

TEST(PlayerTick, ClosedDirectionsConsumeTheirPress)
{
    Game game;
    game.keys.press({Up, Left});
    game.form.Timer1_Timer();
    EXPECT_EQ(game.module.top, 50);
    EXPECT_EQ(game.module.left, 50);
    EXPECT_TRUE(game.keys.pressed.empty());
    // The press is not kept for a later tick where the way is open.
    game.keys.press({Right});
    game.form.Timer1_Timer();
    game.form.Timer1_Timer();
    EXPECT_EQ(game.module.left, 670);
}

TEST(PlayerTick, RightPlacesTheRightFacingImageOnTheNewCell)
{
    Game game;
    game.keys.press({Right});
    game.form.Timer1_Timer();
    EXPECT_EQ(game.module.top, 50);
    EXPECT_EQ(game.module.left, 670);
    EXPECT_EQ(spriteOf(game.form.Picture1), (Sprite{50, 670, true}));
    for (int n = 2; n <= 4; ++n) {
        EXPECT_FALSE(game.form.picture(n).Visible);
    }
}

TEST(PlayerTick, TurningShowsTheNewFacingAndLeavesTheOldImageBehind)
{
    Game game;
    game.keys.press({Down});
    game.form.Timer1_Timer();
    EXPECT_EQ(spriteOf(game.form.Picture2), (Sprite{670, 50, true}));
    EXPECT_EQ(spriteOf(game.form.Picture1), (Sprite{50, 50, false}));
    EXPECT_EQ(spriteOf(game.form.Picture3), (Sprite{50, 50, false}));
    EXPECT_EQ(spriteOf(game.form.Picture4), (Sprite{50, 50, false}));
}

// Two keys in one tick: each is judged by the cell where the tick began,
// and a move is made only where the cell it leaves opens that way too, so
// no tick crosses a wall. The image of the last move shows.
TEST(PlayerTick, TwoKeysInOneTick)
{
    struct Row {
        const char* what;
        std::int16_t top, left;
        std::initializer_list<ArrowKey> keys;
        std::int16_t endTop, endLeft;
        int facing;       // Picture<n> shown at the end
        int earlier = 0;  // Picture<n> of the tick's first move, when two were made: placed, then hidden
        Sprite earlierAt{};
    };
    const Row rows[] = {
        {"start corner: right is closed below", 50, 50, {Down, Right}, 670, 50, 2},
        {"no move onto the wall cell (670, 4390)", 50, 3770, {Down, Right}, 670, 3770, 2},
        {"right is closed where the tick began", 4390, 50, {Down, Right}, 5010, 50, 2},
        {"down and up in a corridor cancel", 670, 50, {Down, Up}, 670, 50, 4, 2, {1290, 50, false}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Game game;
        game.placePlayer(row.top, row.left);
        game.keys.press(row.keys);
        game.form.Timer1_Timer();
        EXPECT_EQ(game.module.top, row.endTop);
        EXPECT_EQ(game.module.left, row.endLeft);
        EXPECT_TRUE(game.keys.pressed.empty());  // a refused press is consumed
        for (int n = 1; n <= 4; ++n) {
            EXPECT_EQ(game.form.picture(n).Visible, n == row.facing) << "Picture" << n;
        }
        EXPECT_EQ(spriteOf(game.form.picture(row.facing)), (Sprite{float(row.endTop), float(row.endLeft), true}));
        if (row.earlier != 0) {
            EXPECT_EQ(spriteOf(game.form.picture(row.earlier)), row.earlierAt);
        }
    }
}

TEST(PlayerTick, MashedKeysNeverLeaveTheCellsThatSingleMovesReach)
{
    Game game;
    const auto reachable = testing::reachableFrom({0, 0});
    std::mt19937 generator(7);
    std::bernoulli_distribution pressed(0.5);
    for (int tick = 0; tick < 20000; ++tick) {
        for (ArrowKey key : {Down, Right, Up, Left}) {
            if (pressed(generator)) {
                game.keys.press({key});
            }
        }
        game.form.Timer1_Timer();
        const auto row = gridIndex(game.module.top, mazeRows);
        const auto column = gridIndex(game.module.left, mazeColumns);
        ASSERT_TRUE(row && column) << tick;
        ASSERT_TRUE(reachable.contains({*row, *column})) << *row << "," << *column;
        int shown = 0;
        for (int n = 1; n <= 4; ++n) {
            const PictureBox& image = game.form.picture(n);
            if (image.Visible) {
                ++shown;
                ASSERT_EQ(image.Top, game.module.top);
                ASSERT_EQ(image.Left, game.module.left);
            }
        }
        ASSERT_EQ(shown, 1);
    }
}

TEST(PlayerTick, TouchesNoScoreLabelOrChaser)
{
    Game game;
    game.keys.press({Right});
    game.form.Timer1_Timer();
    EXPECT_EQ(game.form.points, 0);
    EXPECT_EQ(game.form.Label1.Caption, "Label1");
    EXPECT_EQ(game.form.Label2.Caption, "");
    EXPECT_EQ(game.form.Picture5.Left, 4390.0F);
    EXPECT_TRUE(game.random.calls.empty());
}

}  // namespace
}  // namespace croquel
