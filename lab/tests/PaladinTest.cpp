// The lab's third exercise (docs/lab.md#3-paladin).
#include "Paladin.h"

#include <gtest/gtest.h>

#include "cout_capture.h"
#include "heropart.h"

namespace {

TEST(Paladin, BuildsItsOneHeroPartFromItsArguments) {
    const Paladin pal("Orla", 7, 70, 3, 9);
    expectheropart(pal, "Orla, 7, 70");
    EXPECT_EQ(pal.getarmor(), 3);
    EXPECT_EQ(pal.getmana(), 9);
}

TEST(Paladin, SmiteStrikesThenCasts) {
    CoutCapture out;
    Paladin pal("Aldric", 5, 90, 20, 30);
    Hero morvek("Morvek", 4, 80);
    pal.smite(&morvek, 20);
    pal.smite(&morvek, 15);  // 10 mana left: the blow lands, the spell is refused
    pal.smite(nullptr, 5);
    EXPECT_EQ(morvek.getlife(), 25);
    EXPECT_EQ(pal.getmana(), 10);
    EXPECT_EQ(out.take(),
              "Aldric deals 20 damage to Morvek\n"
              "Aldric deals 20 spell damage to Morvek\n"
              "Aldric deals 15 damage to Morvek\n"
              "Aldric has not enough mana\n");
}

}  // namespace
