#include "maze.h"
#include "maze_walk.h"

#include <gtest/gtest.h>

#include <map>

namespace croquel {
namespace {

using testing::Cell;
using testing::codeAt;
using testing::leftOf;
using testing::topOf;

std::int16_t lookup(std::int16_t top, std::int16_t left, std::int16_t previous = -1)
{
    Module1 module;
    module.junction = previous;
    module.top = top;
    module.left = left;
    LookupJunction(module);
    EXPECT_EQ(module.top, top);
    EXPECT_EQ(module.left, left);
    return module.junction;
}

// The table as the game relies on it.
TEST(MazeTable, HasTheExpectedCodeCounts)
{
    std::map<int, int> counts;
    for (const auto& row : junctionTable) {
        for (int code : row) {
            ++counts[code];
        }
    }
    const std::map<int, int> expected{{0, 37}, {1, 56}, {2, 9}, {3, 10},  {4, 9},  {5, 9}, {6, 3},
                                      {7, 3},  {8, 30}, {9, 3}, {10, 25}, {11, 3}, {12, 1}};
    EXPECT_EQ(counts, expected);
}

TEST(MazeTable, BorderIsClosedAndNoMoveEndsOnAWall)
{
    for (int r = 0; r < mazeRows; ++r) {
        for (int c = 0; c < mazeColumns; ++c) {
            const auto code = static_cast<std::int16_t>(codeAt({r, c}));
            EXPECT_TRUE(r > 0 || closes(code, Direction::Up)) << r << "," << c;
            EXPECT_TRUE(r < mazeRows - 1 || closes(code, Direction::Down)) << r << "," << c;
            EXPECT_TRUE(c > 0 || closes(code, Direction::Left)) << r << "," << c;
            EXPECT_TRUE(c < mazeColumns - 1 || closes(code, Direction::Right)) << r << "," << c;
            for (Direction direction : testing::directions) {
                if (!closes(code, direction)) {
                    EXPECT_NE(codeAt(testing::neighbour({r, c}, direction)), 0) << r << "," << c;
                }
            }
        }
    }
}

TEST(MazeTable, ClosedDirectionsMatchTheCodeMeanings)
{
    const std::map<Direction, std::set<int>> closedBy{
        {Direction::Down, {0, 3, 8, 9, 11}},
        {Direction::Right, {0, 5, 7, 10, 11, 12}},
        {Direction::Up, {0, 2, 6, 7, 8, 12}},
        {Direction::Left, {0, 4, 6, 9, 10, 12}},
    };
    for (const auto& [direction, codes] : closedBy) {
        for (std::int16_t code = 0; code <= 12; ++code) {
            EXPECT_EQ(closes(code, direction), codes.contains(code)) << code;
        }
        EXPECT_TRUE(closes(13, direction));
        EXPECT_TRUE(closes(-1, direction));
    }
}

TEST(MazeTable, BothStartCellsReachTheSame132CellsAndNotTheOneWayAreas)
{
    const std::set<Cell> fromPlayer = testing::reachableFrom({0, 0});
    const std::set<Cell> fromChaser = testing::reachableFrom({5, 7});
    EXPECT_EQ(fromPlayer, fromChaser);
    EXPECT_EQ(fromPlayer.size(), 132U);

    std::set<Cell> oneWay;
    for (int r = 1; r <= 7; ++r) {
        oneWay.insert({r, 1});
        oneWay.insert({r, 2});
    }
    for (int r : {1, 2, 6, 7}) {
        for (int c : {3, 4, 5}) {
            oneWay.insert({r, c});
        }
    }
    for (int c : {1, 2, 3}) {
        oneWay.insert({9, c});
    }
    ASSERT_EQ(oneWay.size(), 29U);
    for (int r = 0; r < mazeRows; ++r) {
        for (int c = 0; c < mazeColumns; ++c) {
            const bool reachable = fromPlayer.contains({r, c});
            EXPECT_EQ(reachable, codeAt({r, c}) != 0 && !oneWay.contains({r, c})) << r << "," << c;
        }
    }
}

// LookupJunction: exact grid positions only.
TEST(LookupJunction, AnswersTheCodeOfEveryCell)
{
    EXPECT_EQ(lookup(50, 50), 6);
    EXPECT_EQ(lookup(50, 10590), 7);
    EXPECT_EQ(lookup(6250, 50), 9);
    EXPECT_EQ(lookup(6250, 10590), 11);
    EXPECT_EQ(lookup(4390, 5010), 12);
    EXPECT_EQ(lookup(3150, 4390), 3);
    EXPECT_EQ(lookup(670, 4390), 0);
    for (int r = 0; r < mazeRows; ++r) {
        for (int c = 0; c < mazeColumns; ++c) {
            EXPECT_EQ(lookup(topOf(r), leftOf(c)), codeAt({r, c}));
        }
    }
}

TEST(LookupJunction, LeavesTheCodeUnchangedOffTheGrid)
{
    EXPECT_EQ(lookup(60, 50, 9), 9);
    EXPECT_EQ(lookup(50, 55, 9), 9);
    EXPECT_EQ(lookup(-570, 50, 4), 4);
    EXPECT_EQ(lookup(6870, 50, 4), 4);   // one row below the grid
    EXPECT_EQ(lookup(50, 11210, 4), 4);  // one column right of it
    EXPECT_EQ(lookup(0, 0, 11), 11);
    EXPECT_EQ(lookup(32767, -32768, 11), 11);
}

}  // namespace
}  // namespace croquel
