// The runtime's numeric conversions: 16-bit rounding, Int, and checked arithmetic.
#include "platform/conversions.h"
#include "platform/runtime_error.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace platform;

namespace {

void expectOverflow(auto&& operation)
{
    try {
        operation();
        ADD_FAILURE() << "expected the overflow error";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), 6);
        EXPECT_EQ(error.description(), "Overflow");
    }
}

} // namespace

TEST(ToInteger, RoundsHalvesToTheEvenNeighbour)
{
    struct Case {
        double in;
        std::int16_t out;
    };
    for (const Case c : {Case{2.5, 2},
                         {3.5, 4},
                         {-2.5, -2},
                         {-3.5, -4},
                         {0.5, 0},
                         {1.5, 2},
                         {2.4999, 2},
                         {2.5001, 3},
                         {-0.5, 0},
                         {4080.0, 4080}})
        EXPECT_EQ(toInteger(c.in), c.out) << c.in;
}

TEST(ToInteger, AcceptsTheWholeSixteenBitRangeAndNothingBeyond)
{
    EXPECT_EQ(toInteger(32767.0), 32767);
    EXPECT_EQ(toInteger(32767.4), 32767);
    EXPECT_EQ(toInteger(-32768.0), -32768);
    EXPECT_EQ(toInteger(-32768.5), -32768); // the even neighbour is still in range
    expectOverflow([] { toInteger(32767.5); });
    expectOverflow([] { toInteger(-32769.0); });
    expectOverflow([] { toInteger(1e30); });
    expectOverflow([] { toInteger(std::numeric_limits<double>::quiet_NaN()); });
    expectOverflow([] { toInteger(std::numeric_limits<double>::infinity()); });
}

TEST(ToIntegerClamped, ClampsWhereTheCheckedConversionWouldFail)
{
    EXPECT_EQ(toIntegerClamped(2.5), 2);
    EXPECT_EQ(toIntegerClamped(40000.0), 32767);
    EXPECT_EQ(toIntegerClamped(-1e9), -32768);
    EXPECT_EQ(toIntegerClamped(std::numeric_limits<double>::infinity()), 32767);
    EXPECT_EQ(toIntegerClamped(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(IntPart, IsTheFloorNotTruncation)
{
    EXPECT_EQ(intPart(13.999999), 13.0);
    EXPECT_EQ(intPart(-0.5), -1.0);
    EXPECT_EQ(intPart(1.0), 1.0);
}

TEST(Subtract16, RaisesOverflowOnlyOutsideTheRange)
{
    EXPECT_EQ(subtract16(650, 450), 200);
    EXPECT_EQ(subtract16(650, -32117), 32767);
    expectOverflow([] { subtract16(650, -32118); });
    expectOverflow([] { subtract16(-32768, 1); });
}

TEST(SubtractSingle, RaisesOverflowForResultsThatAreNotFinite)
{
    EXPECT_EQ(subtractSingle(100.0f, 480.0f), -380.0f);
    expectOverflow([] {
        subtractSingle(std::numeric_limits<float>::max(), -std::numeric_limits<float>::max());
    });
    expectOverflow([] { subtractSingle(std::numeric_limits<float>::infinity(), 480.0f); });
    expectOverflow([] { subtractSingle(std::numeric_limits<float>::quiet_NaN(), 480.0f); });
}

TEST(RuntimeErrorReport, NamesTheNumberAndTheDescription)
{
    EXPECT_EQ(overflowError().report(), "Run-time error '6':\n\nOverflow");
    EXPECT_EQ(invalidPropertyValueError().number(), 380);
}
