#include "int16.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace croquel {
namespace {

// Every integer of the game is 16-bit with overflow detection.
TEST(Int16Arithmetic, StaysExactInsideTheRangeAndFailsOutside)
{
    EXPECT_EQ(add16(50, 620), 670);
    EXPECT_EQ(add16(670, -620), 50);
    EXPECT_EQ(add16(32147, 620), 32767);
    EXPECT_EQ(add16(-32148, -620), -32768);
    EXPECT_THROW(add16(32148, 620), OverflowError);
    EXPECT_THROW(add16(-32149, -620), OverflowError);
    EXPECT_THROW(checked16(40000), OverflowError);
}

TEST(Int16Arithmetic, OverflowIsARuntimeError)
{
    try {
        add16(32767, 1);
        FAIL() << "no overflow";
    } catch (const RuntimeError& error) {
        EXPECT_STREQ(error.what(), "Overflow");
    }
}

// Sprite coordinates come back from single precision by rounding to
// nearest, ties to even.
TEST(SpriteCoordinateRead, RoundsToNearestWithTiesToEven)
{
    EXPECT_EQ(toInt16(3150.0F), 3150);
    EXPECT_EQ(toInt16(2.5F), 2);
    EXPECT_EQ(toInt16(3.5F), 4);
    EXPECT_EQ(toInt16(-2.5F), -2);
    EXPECT_EQ(toInt16(-3.5F), -4);
    EXPECT_EQ(toInt16(10.49F), 10);
    EXPECT_EQ(toInt16(10.51F), 11);
    EXPECT_EQ(toInt16(32767.4F), 32767);
    EXPECT_EQ(toInt16(-32768.5F), -32768);
}

TEST(SpriteCoordinateRead, OverflowsOutsideTheSixteenBitRange)
{
    EXPECT_THROW(toInt16(32767.5F), OverflowError);  // rounds to 32768
    EXPECT_THROW(toInt16(-32768.6F), OverflowError);
    EXPECT_THROW(toInt16(1e9F), OverflowError);
    EXPECT_THROW(toInt16(std::numeric_limits<float>::infinity()), OverflowError);
    EXPECT_THROW(toInt16(std::nanf("")), OverflowError);
}

TEST(SpriteCoordinateRead, GivesBackEveryWholeValueWritten)
{
    for (int value = -32768; value <= 32767; ++value) {
        ASSERT_EQ(toInt16(static_cast<float>(value)), value);
    }
}

}  // namespace
}  // namespace croquel
