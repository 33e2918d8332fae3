#include "fakes.h"
#include "pellets.h"

#include <gtest/gtest.h>

namespace croquel {
namespace {

using testing::Game;

int visiblePellets(const Form1& form)
{
    int count = 0;
    for (const PelletRow& row : pelletTable) {
        count += form.Image[static_cast<std::size_t>(row.image)].Visible;
    }
    return count;
}

// Pellets and score.
TEST(RefereeTick, ShowsTheScoreFromTheFirstTick)
{
    Game game;
    game.form.Timer2_Timer();
    EXPECT_EQ(game.form.Label2.Caption, "nombres de points: 0");
    EXPECT_EQ(game.form.points, 0);
    EXPECT_EQ(visiblePellets(game.form), 42);
}

TEST(RefereeTick, EatsThePelletOfTheCellOnceAndOnlyThatOne)
{
    Game game;
    game.placePlayer(50, 670);
    for (int tick = 0; tick < 10; ++tick) {
        game.form.Timer2_Timer();
    }
    EXPECT_EQ(game.form.points, 1);
    EXPECT_FALSE(game.form.Image[4].Visible);
    EXPECT_EQ(visiblePellets(game.form), 41);
    EXPECT_EQ(game.form.Label2.Caption, "nombres de points: 1");

    game.placePlayer(50, 50);
    game.form.Timer2_Timer();
    game.placePlayer(50, 670);
    game.form.Timer2_Timer();
    EXPECT_EQ(game.form.points, 1);
}

TEST(RefereeTick, CellsWithoutAPelletScoreNothing)
{
    Game game;
    for (const auto& [top, left] : {std::pair{50, 50}, {50, 4390}, {670, 670}, {3150, 10590}, {55, 670}}) {
        game.placePlayer(static_cast<std::int16_t>(top), static_cast<std::int16_t>(left));
        game.form.Timer2_Timer();
    }
    EXPECT_EQ(game.form.points, 0);
    EXPECT_EQ(visiblePellets(game.form), 42);
}

TEST(RefereeTick, TheChaserEatsNothing)
{
    Game game;
    game.placeChaser(50, 670);
    game.form.Timer2_Timer();
    EXPECT_TRUE(game.form.Image[4].Visible);
    EXPECT_EQ(game.form.points, 0);
}

TEST(RefereeTick, AllFortyTwoPelletsThenPlayGoesOn)
{
    Game game;
    for (const PelletRow& row : pelletTable) {
        game.placePlayer(row.top, row.left);
        game.form.Timer2_Timer();
        EXPECT_FALSE(game.form.Image[static_cast<std::size_t>(row.image)].Visible) << row.image;
    }
    game.form.Timer2_Timer();
    EXPECT_EQ(game.form.points, 42);
    EXPECT_EQ(visiblePellets(game.form), 0);
    EXPECT_EQ(game.form.Label2.Caption, "nombres de points: 42");
    EXPECT_TRUE(game.messageBox.calls.empty());
    for (int wall : {1, 2, 18, 19, 20, 26, 27}) {
        EXPECT_TRUE(game.form.Image[static_cast<std::size_t>(wall)].Visible) << wall;
    }
}

TEST(RefereeTick, ScoreOverflowIsARuntimeError)
{
    Game game;
    game.form.points = 32767;
    game.placePlayer(50, 670);
    EXPECT_THROW(game.form.Timer2_Timer(), OverflowError);
}

// Capture and game over.
TEST(RefereeTick, CaptureHidesThePlayerThenShowsTheBoxThenUnloads)
{
    Game game;
    game.placeChaser(50, 50);
    game.form.Picture3.Visible = true;
    std::vector<bool> playerVisibleDuringBox;
    int unloadsDuringBox = -1;
    game.messageBox.onShow = [&] {
        for (int n = 1; n <= 5; ++n) {
            playerVisibleDuringBox.push_back(game.form.picture(n).Visible);
        }
        unloadsDuringBox = game.unloader.unloads;
    };
    game.form.Timer2_Timer();

    ASSERT_EQ(game.messageBox.calls.size(), 1U);
    EXPECT_EQ(game.messageBox.calls[0].prompt, "Niark Niark !!!!!! GAME OVER !!!!!!    points:0");
    EXPECT_EQ(game.messageBox.calls[0].style, 16);
    EXPECT_EQ(game.messageBox.calls[0].title, "Tu t'est fait manger ^^");
    EXPECT_EQ(playerVisibleDuringBox, (std::vector<bool>{false, false, false, false, true}));
    EXPECT_EQ(unloadsDuringBox, 0);
    EXPECT_EQ(game.unloader.unloads, 1);
    EXPECT_EQ(visiblePellets(game.form), 42);
}

TEST(RefereeTick, OneCaptureGivesOneMessage)
{
    Game game;
    game.placeChaser(50, 50);
    game.form.Timer2_Timer();
    EXPECT_FALSE(game.form.Timer1.Enabled);
    EXPECT_FALSE(game.form.Timer2.Enabled);
    EXPECT_FALSE(game.form.Timer3.Enabled);
}

TEST(RefereeTick, StepOntoThePelletWhereTheChaserWaitsCountsThatPoint)
{
    Game game;
    game.placePlayer(50, 1290);
    game.form.Timer2_Timer();
    game.placePlayer(50, 670);
    game.placeChaser(50, 670);
    game.form.Timer2_Timer();
    EXPECT_EQ(game.form.Label2.Caption, "nombres de points: 2");
    ASSERT_EQ(game.messageBox.calls.size(), 1U);
    EXPECT_EQ(game.messageBox.calls[0].prompt, "Niark Niark !!!!!! GAME OVER !!!!!!    points:2");
}

TEST(RefereeTick, CaptureNeedsBothCoordinatesAtTheTick)
{
    Game game;
    game.placePlayer(3150, 3770);
    game.placeChaser(3150, 4390);
    game.form.Timer2_Timer();
    // They swap cells between two ticks: never on one cell at a tick.
    game.placePlayer(3150, 4390);
    game.placeChaser(3150, 3770);
    game.form.Timer2_Timer();
    game.placeChaser(3770, 4390);  // same left, other top
    game.form.Timer2_Timer();
    game.form.Picture5.Left = 4390.5F;  // a hair off the cell
    game.form.Picture5.Top = 3150.0F;
    game.form.Timer2_Timer();
    EXPECT_TRUE(game.messageBox.calls.empty());
    EXPECT_EQ(game.unloader.unloads, 0);
}

}  // namespace
}  // namespace croquel
