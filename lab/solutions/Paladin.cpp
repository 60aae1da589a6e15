#include "Paladin.h"

#include <string>
#include <utility>

// The most-derived constructor builds the one Hero part; Warrior's and Mage's Hero arguments
// go unused, and each keeps its own value, the armour and the mana.
Paladin::Paladin(std::string nm, int lvl, int lf, int arm, int mn)
    : Hero(std::move(nm), lvl, lf),
      Warrior(std::string(), lvl, lf, arm),
      Mage(std::string(), lvl, lf, mn) {}

void Paladin::smite(Hero* x, int d) {
    attack(x, d);
    castspell(x, d);
}
