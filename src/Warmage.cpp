#include "Warmage.h"

#include <utility>

// The diamond closes here. Warrior and Mage both derive from Hero as a virtual base, so a
// Warmage holds one Hero part that both of them see: one name, one life, one level. A virtual
// base is built first, by the most-derived constructor, this one; the Hero arguments of the
// Warrior and Mage constructors are ignored when they build parts of a Warmage. Both are
// default-constructed (armour 25, mana 100) and then get the values given here.
Warmage::Warmage(std::string nm, int lvl, int lf, int arm, int mn) : Hero(std::move(nm), lvl, lf) {
    setmana(mn);
    setarmor(arm);
}
