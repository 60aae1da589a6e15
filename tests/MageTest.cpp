#include "Mage.h"

#include <gtest/gtest.h>

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

TEST(Mage, SpellCostsItsDamageInMana) {
    CoutCapture out;
    Mage m("Iris", 3, 70, 50);
    Hero target("Morvek", 4, 80);
    m.castspell(&target, 30);
    EXPECT_EQ(m.getmana(), 20);
    EXPECT_EQ(m.getlife(), 70);
    EXPECT_EQ(target.getlife(), 50);
    EXPECT_EQ(out.take(), "Iris deals 30 spell damage to Morvek\n");
}

TEST(Mage, SpellSpendsExactlyAllTheMana) {
    CoutCapture out;
    Mage m("Iris", 3, 70, 20);
    Hero target("Morvek", 4, 80);
    m.castspell(&target, 20);
    EXPECT_EQ(m.getmana(), 0);
    EXPECT_EQ(target.getlife(), 60);
    m.castspell(&target, 0);
    EXPECT_EQ(m.getmana(), 0);
    EXPECT_EQ(target.getlife(), 60);
    EXPECT_EQ(out.take(),
              "Iris deals 20 spell damage to Morvek\n"
              "Iris deals 0 spell damage to Morvek\n");
}

TEST(Mage, RefusalForLackOfManaChangesNothing) {
    CoutCapture out;
    Mage m("Tamrin", 50, 95, 95);
    Hero target("Jorv", 4, 40);
    m.castspell(&target, 100);
    EXPECT_EQ(out.take(), "Tamrin has not enough mana\n");
    EXPECT_EQ(m.getmana(), 95);
    EXPECT_EQ(m.getlife(), 95);
    EXPECT_EQ(target.getlife(), 40);
}

TEST(Mage, SpellIgnoresTheTargetsArmour) {
    CoutCapture out;
    Mage m("Iris", 3, 70, 50);
    Warrior target("Grell", 3, 60, 50);
    m.castspell(&target, 20);
    EXPECT_EQ(target.getlife(), 40);
    EXPECT_EQ(out.take(), "Iris deals 20 spell damage to Grell\n");
}

TEST(Mage, NegativeSpellHealsAndSaturates) {
    CoutCapture out;
    Mage m("Iris", 3, 70, INT_MAX);
    Hero target("Morvek", 4, INT_MAX - 1);
    m.castspell(&target, -5);
    EXPECT_EQ(m.getmana(), INT_MAX);
    EXPECT_EQ(target.getlife(), INT_MAX);
    EXPECT_EQ(out.take(), "Iris deals -5 spell damage to Morvek\n");
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
