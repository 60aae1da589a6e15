#include "Bloodmage.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <string>

#include "cout_capture.h"

namespace {

struct BloodCase {
    int mana;
    int life;
    int d;
    int mana_after;
    int life_after;
    int target_after;  // of a target that starts at life 60
};

// Cheap (d below the mana), exact, dear, empty mana, a heal, and values that would overflow, the
// caster's life exact whenever it fits. The target always loses the full d.
TEST(Bloodmage, PaysWhatTheManaCannotWithItsOwnLife) {
    const std::array<BloodCase, 8> cases{{
        {50, 50, 30, 20, 50, 30},
        {50, 50, 50, 0, 50, 10},
        {50, 50, 60, 0, 40, 0},
        {0, 50, 25, 0, 25, 35},
        {10, 50, -5, 15, 50, 65},
        {INT_MIN, -10, INT_MAX, 0, INT_MIN, 60 - INT_MAX},
        {INT_MIN, INT_MAX, INT_MAX, 0, INT_MIN, 60 - INT_MAX},
        {INT_MAX, 50, INT_MIN, INT_MAX, 50, INT_MAX},
    }};
    for (const BloodCase& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "mana " << c.mana << ", life " << c.life << ", d " << c.d);
        CoutCapture out;
        Bloodmage bmg("Ulvar", 8, c.life, c.mana);
        Hero target("Morvek", 4, 60);
        bmg.castspell(&target, c.d);
        EXPECT_EQ(bmg.getmana(), c.mana_after);
        EXPECT_EQ(bmg.getlife(), c.life_after);
        EXPECT_EQ(target.getlife(), c.target_after);
        EXPECT_EQ(out.take(), "Ulvar deals " + std::to_string(c.d) + " spell damage to Morvek\n");
    }
}

// The caster pays first, and only then is the target's life read: cast at itself, it loses
// the rest and then the whole d. At the limits the order shows: paying 99 first holds the
// life at INT_MIN, and the heal of 1 then lifts it; the other way round it would end at INT_MIN.
TEST(Bloodmage, CastAtItselfPaysBeforeTakingTheHit) {
    CoutCapture out;
    Bloodmage bmg("Ulvar", 8, 50, 50);
    bmg.castspell(&bmg, 60);
    EXPECT_EQ(bmg.getmana(), 0);
    EXPECT_EQ(bmg.getlife(), -20);
    Bloodmage low("Low", 1, INT_MIN + 50, -100);
    low.castspell(&low, -1);
    EXPECT_EQ(low.getlife(), INT_MIN + 1);
    EXPECT_EQ(out.take(),
              "Ulvar deals 60 spell damage to Ulvar\n"
              "Low deals -1 spell damage to Low\n");
}

TEST(Bloodmage, MageFormStillRunsWhenNamedOrThroughAMage) {
    CoutCapture out;
    Bloodmage bmg("Tamrin", 50, 95, 95);
    Hero target("Jorv", 4, 40);
    bmg.Mage::castspell(&target, 100);
    Mage& as_mage = bmg;
    as_mage.castspell(&target, 100);
    EXPECT_EQ(out.take(),
              "Tamrin has not enough mana\n"
              "Tamrin has not enough mana\n");
    EXPECT_EQ(bmg.getmana(), 95);
    EXPECT_EQ(bmg.getlife(), 95);
    EXPECT_EQ(bmg.getlevel(), 50);
    EXPECT_EQ(target.getlife(), 40);

    bmg.castspell(&target, 100);
    EXPECT_EQ(bmg.getmana(), 0);
    EXPECT_EQ(bmg.getlife(), 90);
    EXPECT_EQ(target.getlife(), -60);
}

TEST(Bloodmage, NullTargetChangesNothingAndWritesNothing) {
    CoutCapture out;
    Bloodmage bmg("Ulvar", 8, 50, 10);
    bmg.castspell(nullptr, 60);
    EXPECT_EQ(out.take(), "");
    EXPECT_EQ(bmg.getmana(), 10);
    EXPECT_EQ(bmg.getlife(), 50);
}

}  // namespace
