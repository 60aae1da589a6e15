// Mage: a Hero with mana and one spell, whose cost in mana equals the damage it deals. A Mage
// without enough mana refuses and says so.
#pragma once

#include <string>

#include "Hero.h"

class Mage : public virtual Hero {
public:
    // Builds a Mage with mana `mn`; `nm`, `lvl` and `lf` count only for a complete one.
    explicit Mage(std::string nm = "Unknown", int lvl = 1, int lf = 100, int mn = 100);

    [[nodiscard]] int getmana() const;
    void setmana(int mn);

    // Spends d mana to take d life from x, or, when the mana is less than d, writes the
    // lack-of-mana line and changes nothing. A null target is left alone and nothing is
    // written. Not virtual: Bloodmage hides it with a spell of its own.
    void castspell(Hero* x, int d);

protected:
    // What every spell does once it is decided: the caster is charged (its mana becomes mn and
    // its life lf), then x's life is read and lowered by d, and the spell line is written. The
    // names are copied first, so if a copy throws nothing has changed and nothing is written.
    // `x` must not be null.
    void landspell(Hero* x, int d, int mn, int lf);

private:
    int mana;
};
