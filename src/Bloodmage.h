// Bloodmage: a Mage whose spell never fails. What its mana cannot pay, it pays with its own
// life.
#pragma once

#include <string>

#include "Mage.h"

class Bloodmage : public Mage {
public:
    Bloodmage(std::string nm, int lvl, int lf, int mn);

    // The blood spell. It hides Mage::castspell rather than overriding it (neither is
    // virtual), so the Mage rule still runs when it is named, as Mage::castspell, or when a
    // Bloodmage is used as a Mage.
    //
    // When d is below the mana, d mana is spent. Otherwise the mana drops to 0 and the caster
    // pays the rest, d minus the mana, from its own life before the target's life is read. The
    // target always loses d. A null target is left alone and nothing is written.
    void castspell(Hero* x, int d);
};
