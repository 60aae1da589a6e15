#include "Warrior.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <string>

#include "cout_capture.h"

namespace {

TEST(Warrior, KeepsItsArgumentsOrTheDefaults) {
    CoutCapture out;
    const Warrior w;
    w.print();
    EXPECT_EQ(w.getarmor(), 25);
    const Warrior jorv("Jorv", 4, 40, 10);
    jorv.print();
    EXPECT_EQ(jorv.getarmor(), 10);
    EXPECT_EQ(out.take(),
              "Hero: Unknown, 1, 100\n"
              "Hero: Jorv, 4, 40\n");
}

TEST(Warrior, OverloadIsChosenByHowTheTargetIsPassed) {
    CoutCapture out;
    Warrior jorv("Jorv", 4, 40, 10);
    Warrior target;
    jorv.attack(&target, 50);
    EXPECT_EQ(target.getlife(), 98);
    jorv.attack(static_cast<Hero*>(&target), 50);
    EXPECT_EQ(target.getlife(), 48);
    EXPECT_EQ(out.take(),
              "Jorv deals 2 damage to Unknown\n"
              "Jorv deals 50 damage to Unknown\n");
    EXPECT_EQ(jorv.getlife(), 40);
}

TEST(Warrior, PlainAttackHitsAnyHeroInFull) {
    CoutCapture out;
    Warrior jorv("Jorv", 4, 40, 10);
    Hero morvek("Morvek", 4, 80);
    jorv.attack(&morvek, 20);
    jorv.attack(&morvek, -5);
    EXPECT_EQ(morvek.getlife(), 65);
    morvek.setlife(-10);
    jorv.attack(&morvek, INT_MAX);
    EXPECT_EQ(morvek.getlife(), INT_MIN);  // held at the limit
    EXPECT_EQ(out.take(),
              "Jorv deals 20 damage to Morvek\n"
              "Jorv deals -5 damage to Morvek\n"
              "Jorv deals 2147483647 damage to Morvek\n");
}

struct ArmouredCase {
    int d;
    int arm;
    int dealt;
    int life;
    int life_after;
};

// The divided damage truncates toward zero and uses the target's armour only. Armour 0 would
// divide by zero, so it gives no protection; INT_MIN / -1 would overflow, so it saturates, and
// so does the life.
TEST(Warrior, ArmouredAttackDividesByTargetArmour) {
    const std::array<ArmouredCase, 10> cases{{
        {50, 25, 2, 0, -2},
        {80, 50, 1, 0, -1},
        {20, 40, 0, 0, 0},
        {-7, 2, -3, 0, 3},
        {7, -2, -3, 0, 3},
        {30, 0, 30, 0, -30},
        {INT_MIN, 0, INT_MIN, 0, INT_MAX},
        {INT_MIN, -1, INT_MAX, 0, -INT_MAX},
        {INT_MAX, 1, INT_MAX, 0, -INT_MAX},
        {INT_MIN, 1, INT_MIN, 10, INT_MAX},
    }};
    for (const ArmouredCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.d << " / " << c.arm);
        CoutCapture out;
        Warrior attacker("Jorv", 4, 40, 999);
        Warrior target("Grell", 3, c.life, c.arm);
        attacker.attack(&target, c.d);
        EXPECT_EQ(target.getlife(), c.life_after);
        EXPECT_EQ(out.take(), "Jorv deals " + std::to_string(c.dealt) + " damage to Grell\n");
        EXPECT_EQ(attacker.getlife(), 40);
    }
}

TEST(Warrior, AttackOnItselfLowersItsOwnLife) {
    CoutCapture out;
    Warrior w("Jorv", 4, 40, 10);
    w.attack(&w, 50);
    w.attack(static_cast<Hero*>(&w), 5);
    EXPECT_EQ(w.getlife(), 30);
    EXPECT_EQ(out.take(),
              "Jorv deals 5 damage to Jorv\n"
              "Jorv deals 5 damage to Jorv\n");
}

TEST(Warrior, NullTargetChangesNothingAndWritesNothing) {
    CoutCapture out;
    Warrior w("Jorv", 4, 40, 10);
    w.attack(static_cast<Hero*>(nullptr), 20);
    w.attack(static_cast<Warrior*>(nullptr), 20);
    EXPECT_EQ(out.take(), "");
    EXPECT_EQ(w.getlife(), 40);
    EXPECT_EQ(w.getarmor(), 10);
}

}  // namespace
