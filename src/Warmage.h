// Warmage: at once a Warrior and a Mage, built over one shared Hero part. It attacks with both
// of the Warrior's forms and casts with the Mage's spell, all under one name and one life.
#pragma once

#include <string>

#include "Mage.h"
#include "Warrior.h"

class Warmage : public Warrior, public Mage {
public:
    // Armour comes before mana here.
    Warmage(std::string nm, int lvl, int lf, int arm, int mn);
};
