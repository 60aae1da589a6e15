// Mage: a Hero with mana and one spell, whose cost in mana equals the damage it deals. A Mage
// without enough mana refuses and says so.
#pragma once

#include <string>

#include "Hero.h"

// Hero is a virtual base so that a class deriving from both Warrior and Mage holds a single
// Hero part. The Hero arguments below set it only when a Mage is the complete object.
class Mage : public virtual Hero {
public:
    explicit Mage(std::string nm = "Unknown", int lvl = 1, int lf = 100, int mn = 100);

    [[nodiscard]] int getmana() const;
    void setmana(int mn);

    // Spends d mana to take d life from x, or, when the mana is less than d, writes the
    // lack-of-mana line and changes nothing. A null target is left alone and nothing is
    // written. Not virtual: Bloodmage hides it with a spell of its own.
    void castspell(Hero* x, int d);

protected:
    // The part every spell shares once it is paid for: x loses d life and the spell line is
    // written. `x` must not be null.
    void landspell(Hero* x, int d);

private:
    int mana;
};
