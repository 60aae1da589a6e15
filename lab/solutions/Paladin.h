// Paladin: a second diamond, a Warrior and a Mage over one shared Hero part, whose smite is a
// blow and then a spell.
#pragma once

#include <string>

#include "Mage.h"
#include "Warrior.h"

class Paladin : public Warrior, public Mage {
public:
    Paladin(std::string nm, int lvl, int lf, int arm, int mn);

    // A plain attack on x for d, then the Mage's spell at x for d (refused without enough
    // mana). A null target changes nothing and writes nothing.
    void smite(Hero* x, int d);
};
