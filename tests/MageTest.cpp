#include "Mage.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>

#include "Warrior.h"
#include "cout_capture.h"

namespace {

TEST(Mage, KeepsItsArgumentsOrTheDefaults) {
    CoutCapture out;
    const Mage m;
    m.print();
    EXPECT_EQ(m.getmana(), 100);
    const Mage iris("Iris", 3, 70, 50);
    iris.print();
    EXPECT_EQ(iris.getmana(), 50);
    EXPECT_EQ(out.take(),
              "Hero: Unknown, 1, 100\n"
              "Hero: Iris, 3, 70\n");
}

struct SpellCase {
    int mana;
    int target_life;
    int d;
    int mana_after;
    int target_after;
    const char* line;
};

// The spell costs d mana, all of it or none, and takes d life whatever the target's armour; a
// spell beyond the mana is refused and changes nothing; a negative d heals; both saturate.
TEST(Mage, SpellCostsItsDamageInManaOrIsRefused) {
    const std::array<SpellCase, 5> cases{{
        {50, 60, 30, 20, 30, "Iris deals 30 spell damage to Grell\n"},
        {20, 80, 20, 0, 60, "Iris deals 20 spell damage to Grell\n"},
        {0, 60, 0, 0, 60, "Iris deals 0 spell damage to Grell\n"},
        {95, 40, 100, 95, 40, "Iris has not enough mana\n"},
        {INT_MAX, INT_MAX - 1, -5, INT_MAX, INT_MAX, "Iris deals -5 spell damage to Grell\n"},
    }};
    for (const SpellCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "mana " << c.mana << ", d " << c.d);
        CoutCapture out;
        Mage m("Iris", 3, 70, c.mana);
        Warrior target("Grell", 3, c.target_life, 50);
        m.castspell(&target, c.d);
        EXPECT_EQ(m.getmana(), c.mana_after);
        EXPECT_EQ(m.getlife(), 70);
        EXPECT_EQ(target.getlife(), c.target_after);
        EXPECT_EQ(out.take(), c.line);
    }
}

TEST(Mage, NullTargetChangesNothingAndWritesNothing) {
    CoutCapture out;
    Mage m("Iris", 3, 70, 50);
    m.castspell(nullptr, 30);
    m.castspell(nullptr, 500);
    EXPECT_EQ(out.take(), "");
    EXPECT_EQ(m.getmana(), 50);
    EXPECT_EQ(m.getlife(), 70);
}

}  // namespace
