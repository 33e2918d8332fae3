#include "clock_random.h"
#include "fakes.h"

#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <chrono>
#include <set>
#include <string>

namespace croquel {
namespace {

using testing::Game;

struct Weights {
    std::int16_t right, left, up, down;
    bool operator==(const Weights&) const = default;
};

Weights weightsOf(const Module1& module)
{
    return {module.nbra, module.nbrb, module.nbrc, module.nbrd};
}

std::ostream& operator<<(std::ostream& out, const Weights& w)
{
    return out << "{" << w.right << ", " << w.left << ", " << w.up << ", " << w.down << "}";
}

// DrawWeights alone: bases, then preference, then momentum, closures last.
struct WeightCase {
    const char* what;
    std::array<int, 4> bases;  // right, left, up, down
    std::uint8_t prefdir;
    std::uint8_t lastmove;
    std::int16_t junction;
    Weights expected;
};

// A failing case names itself.
void PrintTo(const WeightCase& c, std::ostream* out)
{
    *out << c.what;
}

std::string caseName(const ::testing::TestParamInfo<WeightCase>& info)
{
    std::string name;
    bool capital = true;
    for (const char* letter = info.param.what; *letter != '\0'; ++letter) {
        if (std::isalnum(static_cast<unsigned char>(*letter))) {
            name += capital ? static_cast<char>(std::toupper(static_cast<unsigned char>(*letter))) : *letter;
        }
        capital = *letter == ' ';
    }
    return name;
}

class DrawWeightsRules : public ::testing::TestWithParam<WeightCase> {};

TEST_P(DrawWeightsRules, ProduceTheWeights)
{
    const WeightCase& c = GetParam();
    Module1 module;
    module.prefdir = c.prefdir;
    module.lastmove = c.lastmove;
    module.junction = c.junction;
    testing::ScriptedRandom random;
    random.queueBases(c.bases[0], c.bases[1], c.bases[2], c.bases[3]);
    DrawWeights(module, random);
    EXPECT_EQ(weightsOf(module), c.expected) << c.what;
    EXPECT_EQ(random.calls, "sdsdsdsd") << "one reseed before each of the four draws";
}

INSTANTIATE_TEST_SUITE_P(
    Chaser, DrawWeightsRules,
    ::testing::Values(WeightCase{"bases only", {3, 7, 0, 9}, 0, 0, 1, {3, 7, 0, 9}},
                      WeightCase{"preference down", {1, 1, 1, 1}, 1, 0, 1, {1, 1, 1, 9}},
                      WeightCase{"preference up", {1, 1, 1, 1}, 2, 0, 1, {1, 1, 9, 1}},
                      WeightCase{"preference right", {1, 1, 1, 1}, 3, 0, 1, {9, 1, 1, 1}},
                      WeightCase{"preference left", {1, 1, 1, 1}, 4, 0, 1, {1, 9, 1, 1}},
                      WeightCase{"unknown preference adds nothing", {2, 2, 2, 2}, 5, 0, 1, {2, 2, 2, 2}},
                      WeightCase{"momentum right pins left to 1", {5, 9, 5, 5}, 4, 3, 1, {9, 1, 5, 5}},
                      WeightCase{"momentum left pins right to 1", {9, 5, 5, 5}, 0, 4, 1, {1, 9, 5, 5}},
                      WeightCase{"momentum up pins down to 1", {5, 5, 5, 9}, 1, 2, 1, {5, 5, 9, 1}},
                      WeightCase{"momentum down pins up to 1", {5, 5, 9, 5}, 0, 1, 1, {5, 5, 1, 9}},
                      WeightCase{"all bonuses on one weight", {0, 0, 0, 9}, 1, 1, 1, {0, 0, 1, 21}},
                      WeightCase{"closures replace everything", {9, 9, 9, 9}, 1, 1, 8, {9, 9, -100, -100}},
                      WeightCase{"closure beats the pinned reverse", {0, 0, 0, 0}, 0, 3, 10, {-100, -100, 0, 0}},
                      WeightCase{"wall closes all four", {9, 9, 9, 9}, 3, 3, 0, {-100, -100, -100, -100}},
                      WeightCase{"dead end", {5, 5, 5, 5}, 2, 2, 12, {-100, -100, -100, 1}}),
    caseName);

TEST(DrawWeights, BaseIsTheIntegerPartOfTenDraws)
{
    Module1 module;
    module.junction = 1;
    testing::ScriptedRandom random;
    random.draws = {0.0F, 0.0999F, 0.1F, 0.99999994F};
    DrawWeights(module, random);
    EXPECT_EQ(weightsOf(module), (Weights{0, 0, 1, 9}));
}

// The chaser's tick, from the start of a game.
TEST(ChaserTick, FirstTickHeadsLeftTowardThePlayer)
{
    Game game;
    game.random.queueBases(0, 0, 0, 0);
    game.form.Timer3_Timer();
    EXPECT_EQ(game.form.gapv, 3100);
    EXPECT_EQ(game.form.upflag, 1);
    EXPECT_EQ(game.form.gaph, 4340);
    EXPECT_EQ(game.form.leftflag, 1);
    EXPECT_EQ(game.module.prefdir, 4);
    EXPECT_EQ(weightsOf(game.module), (Weights{0, 8, 0, -100}));
    EXPECT_EQ(game.form.Picture5.Left, 3770.0F);
    EXPECT_EQ(game.form.Picture5.Top, 3150.0F);
    EXPECT_EQ(game.module.lastmove, 4);
    EXPECT_EQ(game.form.Label1.Caption, "nbra :0nbrb:8nbrc:0nbrd:-100");
}

TEST(ChaserTick, ADrawOfEightOrMoreElsewhereBeatsThePreference)
{
    Game game;
    game.random.queueBases(9, 0, 0, 0);
    game.form.Timer3_Timer();
    EXPECT_EQ(game.form.Picture5.Left, 5010.0F);
    EXPECT_EQ(game.module.lastmove, 3);
}

TEST(ChaserTick, MovesInEachDirection)
{
    struct Case {
        std::array<int, 4> bases;
        std::int16_t top, left;
        std::uint8_t lastmove;
    };
    // From the open cell (3770, 8110), code 1, with the player far right.
    for (const Case& c : {Case{{9, 0, 0, 0}, 3770, 8730, 3}, Case{{0, 9, 0, 0}, 3770, 7490, 4},
                          Case{{0, 0, 9, 0}, 3150, 8110, 2}, Case{{0, 0, 0, 9}, 4390, 8110, 1}}) {
        Game game;
        game.placeChaser(3770, 8110);
        game.placePlayer(3770, 8110);  // same cell: no preference yet
        game.random.queueBases(c.bases[0], c.bases[1], c.bases[2], c.bases[3]);
        game.form.Timer3_Timer();
        EXPECT_EQ(game.form.Picture5.Top, c.top);
        EXPECT_EQ(game.form.Picture5.Left, c.left);
        EXPECT_EQ(game.module.lastmove, c.lastmove);
    }
}

TEST(ChaserTick, ATieForTheGreatestWeightKeepsTheChaserStill)
{
    Game game;
    game.placeChaser(3770, 8110);
    game.placePlayer(3770, 8110);
    game.module.lastmove = 2;
    game.random.queueBases(7, 7, 3, 0);  // up: 3 + 4 = 7 as well
    game.form.Timer3_Timer();
    EXPECT_EQ(game.form.Picture5.Top, 3770.0F);
    EXPECT_EQ(game.form.Picture5.Left, 8110.0F);
    EXPECT_EQ(game.module.lastmove, 2);
    EXPECT_EQ(game.form.Label1.Caption, "nbra :7nbrb:7nbrc:7nbrd:1");
}

TEST(ChaserTick, CornerTurnDependsOnTheTurnsBase)
{
    // (1910, 4390) is code 7, down and left open; arriving from the left
    // (lastmove right) the way back is left. Player on the same cell: no
    // preference.
    for (const auto& [base, top, left] :
         {std::tuple{0, 1910, 3770}, std::tuple{1, 1910, 4390}, std::tuple{2, 2530, 4390}}) {
        Game game;
        game.placeChaser(1910, 4390);
        game.placePlayer(1910, 4390);
        game.module.lastmove = 3;
        game.random.queueBases(9, 9, 9, base);
        game.form.Timer3_Timer();
        EXPECT_EQ(game.form.Picture5.Top, top) << base;
        EXPECT_EQ(game.form.Picture5.Left, left) << base;
    }
}

TEST(ChaserTick, CarriesOnAlongACorridor)
{
    Game game;
    game.placeChaser(3150, 3150);  // code 8
    game.module.lastmove = 4;
    game.placePlayer(3150, 9970);  // behind it, far right: the preference is right
    game.random.queueBases(9, 0, 9, 9);
    game.form.Timer3_Timer();
    EXPECT_EQ(weightsOf(game.module), (Weights{1, 4, -100, -100}));
    EXPECT_EQ(game.form.Picture5.Left, 2530.0F);
}

TEST(ChaserTick, EqualCoordinatesKeepTheEarlierMeasurement)
{
    Game game;
    game.form.gapv = 1240;
    game.form.upflag = 1;
    game.placePlayer(3150, 50);  // same row as the chaser: gapv is not measured
    game.placeChaser(3150, 670);
    game.form.Timer3_Timer();
    EXPECT_EQ(game.form.gapv, 1240);
    EXPECT_EQ(game.form.upflag, 1);
    EXPECT_EQ(game.form.gaph, 620);
    EXPECT_EQ(game.module.prefdir, 2);  // still up: old gapv beats the new gaph
}

TEST(ChaserTick, EqualGapsKeepThePreviousPreference)
{
    Game game;
    game.placePlayer(3150, 3150);
    game.placeChaser(3770, 3770);  // gapv = gaph = 620
    game.form.Timer3_Timer();
    EXPECT_EQ(game.module.prefdir, 0);
    EXPECT_EQ(game.form.gapv, game.form.gaph);

    game.module.prefdir = 3;
    game.placeChaser(3770, 3770);
    game.form.Timer3_Timer();
    EXPECT_EQ(game.module.prefdir, 3);
}

TEST(ChaserTick, PlayerBelowAndRightGivesDownAndRight)
{
    Game game;
    game.placePlayer(6250, 4390);
    game.placeChaser(3150, 4390);
    game.form.Timer3_Timer();
    EXPECT_EQ(game.form.upflag, 0);
    EXPECT_EQ(game.module.prefdir, 1);
    game.placePlayer(3150, 10590);
    game.placeChaser(3150, 4390);
    game.form.Timer3_Timer();
    EXPECT_EQ(game.form.leftflag, 0);
    EXPECT_EQ(game.module.prefdir, 3);
}

TEST(ChaserTick, GivesTopAndLeftBackAndKeepsItsOwnJunction)
{
    Game game;
    game.placePlayer(670, 50);
    game.random.queueBases(0, 9, 0, 0);
    game.form.Timer3_Timer();
    EXPECT_EQ(game.module.top, 670);
    EXPECT_EQ(game.module.left, 50);
    EXPECT_EQ(game.form.savetop, 670);
    EXPECT_EQ(game.form.saveleft, 50);
    EXPECT_EQ(game.module.junction, 3);  // the chaser's start cell, looked up before the move
}

TEST(ChaserTick, OnAWallCellAllWeightsAreClosedAndItStays)
{
    Game game;
    game.placeChaser(670, 4390);
    game.form.Timer3_Timer();
    EXPECT_EQ(game.form.Picture5.Top, 670.0F);
    EXPECT_EQ(game.form.Picture5.Left, 4390.0F);
    EXPECT_EQ(game.form.Label1.Caption, "nbra :-100nbrb:-100nbrc:-100nbrd:-100");
}

TEST(ChaserTick, OffTheGridItUsesTheLastLookedUpCode)
{
    Game game;
    game.module.junction = 10;
    game.placeChaser(3150, 4400);  // not a grid position
    game.random.queueBases(9, 9, 0, 9);
    game.form.Timer3_Timer();
    EXPECT_EQ(game.module.junction, 10);
    EXPECT_EQ(weightsOf(game.module).right, -100);
}

TEST(ChaserTick, CaptionShowsNegativeAndLargeWeights)
{
    Game game;
    game.placeChaser(3150, 3150);  // code 8
    game.placePlayer(50, 3150);    // straight above: preference up, closed
    game.module.lastmove = 4;
    game.random.queueBases(0, 9, 0, 0);
    game.form.Timer3_Timer();
    EXPECT_EQ(game.form.Label1.Caption, "nbra :1nbrb:13nbrc:-100nbrd:-100");
}

// The real random source: evenly spread below one, fresh while the clock
// stands still, and another chaser in every run of the game.
TEST(ClockRandom, DrawsAreEvenlySpreadFreshOnAFrozenClockAndDifferFromRunToRun)
{
    ClockRandom random([] { return std::int64_t{1'700'000'000'000'000'000}; });
    std::array<int, 10> buckets{};
    std::set<float> seen;
    for (int i = 0; i < 10000; ++i) {
        random.reseed();  // the clock stands still
        const float draw = random.next();
        ASSERT_GE(draw, 0.0F);
        ASSERT_LT(draw, 1.0F);
        ++buckets[static_cast<std::size_t>(draw * 10)];
        seen.insert(draw);
    }
    for (int count : buckets) {
        EXPECT_GT(count, 800);
        EXPECT_LT(count, 1200);
    }
    EXPECT_GT(seen.size(), 9900U);

    // Two runs started at different times of the system clock.
    ClockRandom earlier;
    earlier.reseed();
    const std::int64_t seeded = ClockRandom::systemClock();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    while (ClockRandom::systemClock() <= seeded && std::chrono::steady_clock::now() < deadline) {
    }
    ASSERT_GT(ClockRandom::systemClock(), seeded) << "the system clock stands still";
    ClockRandom later;
    later.reseed();
    EXPECT_NE(earlier.next(), later.next());
}

}  // namespace
}  // namespace croquel
