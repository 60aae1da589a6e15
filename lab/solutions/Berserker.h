// Berserker: a Warrior that strikes the same target twice in a frenzy.
#pragma once

#include <string>

#include "Warrior.h"

class Berserker : public Warrior {
public:
    Berserker(std::string nm, int lvl, int lf, int arm);

    // Two plain attacks on x, each taking d life and writing its line. A null target changes
    // nothing and writes nothing.
    void frenzy(Hero* x, int d);
};
