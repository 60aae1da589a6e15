// The lab's first exercise (docs/lab.md#1-berserker).
#include "Berserker.h"

#include <gtest/gtest.h>

#include "cout_capture.h"
#include "heropart.h"

namespace {

TEST(Berserker, BuildsItsHeroPartFromItsArguments) {
    const Berserker bo("Orla", 7, 70, 3);
    expectheropart(bo, "Orla, 7, 70");
    EXPECT_EQ(bo.getarmor(), 3);
}

TEST(Berserker, FrenzyStrikesTwice) {
    CoutCapture out;
    Berserker bo("Bo", 9, 300, 5);
    Warrior grell("Grell", 3, 60, 50);
    bo.frenzy(&grell, 20);  // a Warrior too is struck with the plain attack: its armour is no help
    bo.frenzy(nullptr, 20);
    EXPECT_EQ(grell.getlife(), 20);
    EXPECT_EQ(out.take(),
              "Bo deals 20 damage to Grell\n"
              "Bo deals 20 damage to Grell\n");
}

}  // namespace
