#include "Berserker.h"

#include <string>
#include <utility>

// Hero is a virtual base, so this constructor, the most-derived one, builds the Hero part
// (docs/hierarchy.md#who-builds-the-hero-part). Warrior's own Hero arguments go unused.
Berserker::Berserker(std::string nm, int lvl, int lf, int arm)
    : Hero(std::move(nm), lvl, lf), Warrior(std::string(), lvl, lf, arm) {}

void Berserker::frenzy(Hero* x, int d) {
    attack(x, d);
    attack(x, d);
}
