// The program's generator: values in [0, 1) as exact floats, and a fresh sequence per seed.
#include "platform/seeded_random.h"

#include <cmath>
#include <gtest/gtest.h>
#include <set>

TEST(SeededRandom, EveryValueIsAMultipleOfTwoToTheMinus24BelowOne)
{
    platform::SeededRandom generator(12345);
    float largest = 0;
    for (int i = 0; i < 200000; ++i) {
        const float r = generator.next();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        const float scaled = r * 16777216.0f;
        ASSERT_EQ(scaled, std::floor(scaled)) << r;
        largest = std::max(largest, r);
        // Int(13 r + 1) never draws a fourteenth spot.
        ASSERT_LE(std::floor(double{r} * 13 + 1), 13.0);
    }
    EXPECT_GT(largest, 0.999f);
}

TEST(SeededRandom, TheSameSeedRepeatsAndReseedingFromTheClockChangesTheSequence)
{
    platform::SeededRandom a(7), b(7);
    for (int i = 0; i < 100; ++i)
        ASSERT_EQ(a.next(), b.next());
    a.reseed();
    b.seed(7);
    int same = 0;
    for (int i = 0; i < 100; ++i)
        same += a.next() == b.next();
    EXPECT_LT(same, 5);
}

TEST(SeededRandom, DrawsEverySpotAboutEquallyOften)
{
    platform::SeededRandom generator(99);
    int counts[13] = {};
    constexpr int kDraws = 130000;
    for (int i = 0; i < kDraws; ++i)
        ++counts[static_cast<int>(std::floor(double{generator.next()} * 13))];
    for (int count : counts)
        EXPECT_NEAR(count, kDraws / 13, 400);
}
