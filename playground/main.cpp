// The playground: a program of your own, to change as you like (docs/extending.md#the-playground).
// Its one test, playground.runs, asks only that it exit 0 quietly; the lint checks it for traps.
#include <array>

#include "Bloodmage.h"
#include "Hero.h"
#include "Mage.h"
#include "Warmage.h"
#include "Warrior.h"

int main() {
    // One character of each class, each owned by a variable of its own class.
    const Hero morvek("Morvek", 4, 80);
    const Warrior jorv("Jorv", 4, 40, 10);
    const Mage iris("Iris", 3, 70, 100);
    const Bloodmage ulvar("Ulvar", 8, 50, 50);
    const Warmage ezmund("Ezmund", 5, 40, 40, 20);

    // All of them seen as Heroes: plain pointers that own nothing, so nothing is ever deleted
    // through a Hero*.
    const std::array<const Hero*, 5> party{&morvek, &jorv, &iris, &ulvar, &ezmund};
    for (const Hero* hero : party) {
        hero->print();
    }
}
