// Bloodmage: a Mage whose spell never fails: what its mana cannot pay, it pays with its life.
#pragma once

#include <string>

#include "Mage.h"

class Bloodmage : public Mage {
public:
    Bloodmage(std::string nm, int lvl, int lf, int mn);

    // The blood spell. It hides Mage::castspell (docs/hierarchy.md#hiding):
    // named as Mage::castspell, or on a Bloodmage used as a Mage, the Mage rule still runs.
    //
    // With d below the mana, spends d mana. Otherwise the mana drops to 0 and the caster pays
    // the rest, d minus the mana, from its own life before the target's life is read. The
    // target always loses d. A null target changes nothing and writes nothing.
    void castspell(Hero* x, int d);
};
