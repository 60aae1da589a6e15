// The lab's second exercise (docs/lab.md#2-necromancer).
#include "Necromancer.h"

#include <gtest/gtest.h>

#include <type_traits>

#include "cout_capture.h"
#include "heropart.h"

namespace {

TEST(Necromancer, BuildsItsHeroPartFromItsArguments) {
    const Necromancer nyx("Orla", 7, 70, 9);
    expectheropart(nyx, "Orla, 7, 70");
    EXPECT_EQ(nyx.getmana(), 9);
}

TEST(Necromancer, DrainHealsTheCasterByWhatItTakes) {
    CoutCapture out;
    Necromancer nyx("Nyx", 6, 50, 30);
    Hero morvek("Morvek", 4, 80);
    nyx.drain(&morvek, 20);
    EXPECT_EQ(morvek.getlife(), 60);
    EXPECT_EQ(nyx.getlife(), 70);
    EXPECT_EQ(nyx.getmana(), 10);
    EXPECT_EQ(out.take(), "Nyx deals 20 spell damage to Morvek\n");
}

TEST(Necromancer, KeepsTheMagesCastspell) {
    // A castspell of its own would hide Mage's, and a Necromancer handled as a Mage would cast
    // without healing. One that overloads it does not compile here.
    EXPECT_TRUE((std::is_same_v<decltype(&Necromancer::castspell), void (Mage::*)(Hero*, int)>))
        << "Necromancer declares a castspell, which hides Mage's: docs/lab.md#2-necromancer";
}

TEST(Necromancer, NoSpellNoHeal) {
    CoutCapture out;
    Necromancer nyx("Nyx", 6, 50, 10);
    Hero morvek("Morvek", 4, 80);
    nyx.drain(&morvek, 20);
    nyx.drain(nullptr, 5);
    EXPECT_EQ(morvek.getlife(), 80);
    EXPECT_EQ(nyx.getlife(), 50);
    EXPECT_EQ(nyx.getmana(), 10);
    EXPECT_EQ(out.take(), "Nyx has not enough mana\n");
}

}  // namespace
