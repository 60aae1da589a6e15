#include "Hero.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <string>

#include "cout_capture.h"

namespace {

TEST(Hero, DefaultsToUnknownAtLevelOneWithLife100) {
    CoutCapture out;
    Hero().print();
    EXPECT_EQ(out.take(), "Hero: Unknown, 1, 100\n");
}

TEST(Hero, StatusLineShowsLevelBeforeLife) {
    CoutCapture out;
    const Hero h("Morvek", 4, 80);
    h.print();
    EXPECT_EQ(out.take(), "Hero: Morvek, 4, 80\n");
    EXPECT_EQ(h.getlevel(), 4);
    EXPECT_EQ(h.getlife(), 80);
}

TEST(Hero, LifeAtZeroOrBelowIsKeptAndPrinted) {
    CoutCapture out;
    Hero h("Morvek", 4, 80);
    h.setlife(0);
    h.print();
    h.setlife(-7);
    h.print();
    h.setlevel(INT_MIN);
    h.setlife(INT_MIN);
    h.print();
    EXPECT_EQ(out.take(),
              "Hero: Morvek, 4, 0\n"
              "Hero: Morvek, 4, -7\n"
              "Hero: Morvek, -2147483648, -2147483648\n");
}

TEST(Hero, NamesAreWrittenByteForByte) {
    CoutCapture out;
    const std::string odd("a\0b \xc3\xa9\xff", 7);
    Hero h;
    h.setname(odd);
    h.print();
    EXPECT_EQ(h.getname(), odd);
    EXPECT_EQ(out.take(), "Hero: " + odd + ", 1, 100\n");
}

// A level-up adds one level and 100 life, both held at INT_MAX.
TEST(Hero, LevelUpAddsOneLevelAndHundredLife) {
    const std::array<std::array<int, 4>, 2> cases{
        {{4, 100, 5, 200}, {INT_MAX, INT_MAX - 50, INT_MAX, INT_MAX}}};
    for (const auto& [level, life, level_after, life_after] : cases) {
        CoutCapture out;
        Hero h("Cuth", level, life);
        h++;
        EXPECT_EQ(out.take(), "Cuth has gained a level!\n");
        EXPECT_EQ(h.getlevel(), level_after);
        EXPECT_EQ(h.getlife(), life_after);
    }
}

// The damage-taken line reports d itself; a negative d heals; the life saturates both ways.
TEST(Hero, DamageTakenLowersTheLifeByD) {
    const std::array<std::array<int, 3>, 4> cases{
        {{80, 30, 50}, {50, -15, 65}, {-10, INT_MAX, INT_MIN}, {0, INT_MIN, INT_MAX}}};
    for (const auto& [life, d, life_after] : cases) {
        CoutCapture out;
        Hero h("Morvek", 4, life);
        h - d;
        EXPECT_EQ(h.getlife(), life_after) << life << " - " << d;
        EXPECT_EQ(out.take(), "Morvek has taken " + std::to_string(d) + " damage\n");
    }
}

// The right side is a copy, so only the left side could change.
TEST(Hero, ComparisonIsStrictByLevelAndLeavesTheLeftSideAlone) {
    Hero high("High", 5, 1);
    Hero low("Low", 2, 999);
    Hero same("Same", 5, 7);
    EXPECT_TRUE(high > low);
    EXPECT_FALSE(low > high);
    EXPECT_FALSE(high > same);
    EXPECT_FALSE(same > high);
    EXPECT_EQ(high.getname(), "High");
    EXPECT_EQ(high.getlevel(), 5);
    EXPECT_EQ(high.getlife(), 1);
}

}  // namespace
