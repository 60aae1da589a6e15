/* The battle's nineteen lines, without their newlines, for the floors: programs that only
 * write them. */
#ifndef BENCH_FLOOR_LINES_H
#define BENCH_FLOOR_LINES_H

static const char* const lines[] = {
    "Hero: Morvek, 4, 80",
    "Jorv deals 20 damage to Morvek",
    "Hero: Morvek, 4, 60",
    "Jorv deals 2 damage to Unknown",
    "Hero: Unknown, 1, 98",
    "Jorv deals 50 damage to Unknown",
    "Hero: Unknown, 1, 48",
    "Ulvar deals 60 spell damage to Morvek",
    "Hero: Ulvar, 8, 40",
    "Hero: Morvek, 4, 0",
    "Tamrin has not enough mana",
    "Hero: Tamrin, 50, 95",
    "Hero: Jorv, 4, 40",
    "Cuth has gained a level!",
    "Hero: Cuth, 5, 200",
    "Cuth higher level than Halvardo",
    "Hero: Ezmund, 5, 40",
    "Ezmund deals 1 damage to Grell",
    "Ezmund deals 20 spell damage to Grell",
};

#endif
