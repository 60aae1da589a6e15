#include "Warmage.h"

#include <utility>

// The diamond closes here: a Warmage has one Hero part, which this constructor builds whenever
// the Warmage is not itself a base part (docs/hierarchy.md#who-builds-the-hero-part). Warrior
// and Mage start from their defaults and get the armour and mana in the body.
Warmage::Warmage(std::string nm, int lvl, int lf, int arm, int mn) : Hero(std::move(nm), lvl, lf) {
    setmana(mn);
    setarmor(arm);
}
