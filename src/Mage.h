// Mage: a Hero with mana and one spell, whose cost in mana equals the damage it deals. A Mage
// without enough mana refuses and says so.
#pragma once

#include <string>

#include "Hero.h"

class Mage : public virtual Hero {
public:
    // `nm`, `lvl` and `lf` reach the Hero part only when this Mage is not the base part of another
    // object, whose class builds it. Which constructor is explicit, and why: as in Hero.h.
    Mage();
    explicit Mage(std::string nm, int lvl = 1, int lf = 100, int mn = 100);

    [[nodiscard]] int getmana() const;
    void setmana(int mn);

    // Spends d mana to take d life from x, or, with less mana than d, writes the lack-of-mana
    // line and changes nothing. A null target changes nothing and writes nothing.
    void castspell(Hero* x, int d);

protected:
    // Writes the spell line, which every spell shares.
    static void writespell(const std::string& caster, int d, const std::string& target);

private:
    int mana;
};
