// Warrior: a Hero with armour and two forms of physical attack, chosen by how the target is
// passed: as a Hero it takes the full damage, as a Warrior the damage is divided by its armour.
#pragma once

#include <string>

#include "Hero.h"

class Warrior : public virtual Hero {
public:
    // `nm`, `lvl` and `lf` reach the Hero part only when this Warrior is not the base part of
    // another object, whose class builds it. Which constructor is explicit, and why: as in Hero.h.
    Warrior();
    explicit Warrior(std::string nm, int lvl = 1, int lf = 100, int arm = 25);

    [[nodiscard]] int getarmor() const;
    void setarmor(int arm);

    // Plain attack: x loses d life. A null target changes nothing and writes nothing.
    void attack(Hero* x, int d);

    // Armoured attack: x loses d divided by x's armour, truncated toward zero. Armour 0 gives
    // no protection (x loses d), which keeps the division defined. A null target changes
    // nothing and writes nothing.
    void attack(Warrior* x, int d);

private:
    int armor;
};
