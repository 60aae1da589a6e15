// Necromancer: a Mage whose drain heals the caster by the life it takes.
#pragma once

#include <string>

#include "Mage.h"

class Necromancer : public Mage {
public:
    Necromancer(std::string nm, int lvl, int lf, int mn);

    // Casts the Mage's spell at x; when the spell is cast, the caster gains d life. Without
    // enough mana it is refused as the Mage's is, and heals nothing. A null target changes
    // nothing and writes nothing.
    void drain(Hero* x, int d);
};
