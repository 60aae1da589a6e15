#include "Warmage.h"

#include <utility>

// Hero is a virtual base of both Warrior and Mage, so this, the most-derived constructor, is
// the one that sets the single Hero part. Warrior and Mage are default-constructed (armour 25,
// mana 100), which leaves the Hero part alone, and then get the values given here.
Warmage::Warmage(std::string nm, int lvl, int lf, int arm, int mn) : Hero(std::move(nm), lvl, lf) {
    setmana(mn);
    setarmor(arm);
}
