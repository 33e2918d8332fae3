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

TEST(PlayerTick, OppositeKeysInOneTickCancelAndFaceTheLastMove)
{
    Game game;
    game.placePlayer(670, 50);
    game.keys.press({Down, Up});
    game.form.Timer1_Timer();
    EXPECT_EQ(game.module.top, 670);
    EXPECT_EQ(game.module.left, 50);
    EXPECT_EQ(spriteOf(game.form.Picture4), (Sprite{670, 50, true}));
    EXPECT_EQ(spriteOf(game.form.Picture2), (Sprite{1290, 50, false}));  // placed, then hidden
}

// Each move is tested against the cell being left, also for the second key
// of a tick; testing it against the starting cell could strand the player.
TEST(PlayerTick, SecondKeyOfATickIsTestedAgainstTheCellJustEntered)
{
    Game game;
    game.keys.press({Down, Right});
    game.form.Timer1_Timer();
    // Down leads to (670, 50), a vertical corridor: right is closed there.
    EXPECT_EQ(game.module.top, 670);
    EXPECT_EQ(game.module.left, 50);
    EXPECT_EQ(game.module.junction, 10);
    EXPECT_TRUE(game.form.Picture2.Visible);
    EXPECT_FALSE(game.form.Picture1.Visible);

    game.placePlayer(50, 3770);  // code 2: down and right both open here
    game.keys.press({Down, Right});
    game.form.Timer1_Timer();
    EXPECT_EQ(game.module.top, 670);
    EXPECT_EQ(game.module.left, 3770);  // not the wall cell (670, 4390)
}

TEST(PlayerTick, TwoOpenMovesInOneTickFollowTheMaze)
{
    Game game;
    game.placePlayer(1910, 3770);  // code 3: right leads to code 7, which opens down
    game.keys.press({Down, Right});
    game.form.Timer1_Timer();
    EXPECT_EQ(game.module.left, 4390);
    EXPECT_EQ(game.module.top, 1910);  // down was polled first, while it was closed
    game.keys.press({Down, Left});
    game.form.Timer1_Timer();
    EXPECT_EQ(game.module.top, 2530);  // down from code 7, then left closed at code 10
    EXPECT_EQ(game.module.left, 4390);
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
