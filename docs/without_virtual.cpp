// The diamond without virtual, beside the real Warmage.
#include <iostream>
#include <string>

#include "Warmage.h"

class PlainWarrior : public Hero {
public:
    PlainWarrior(const std::string& nm, int lvl, int lf) : Hero(nm, lvl, lf) {}
};

class PlainMage : public Hero {
public:
    PlainMage(const std::string& nm, int lvl, int lf) : Hero(nm, lvl, lf) {}
};

class PlainWarmage : public PlainWarrior, public PlainMage {
public:
    PlainWarmage(const std::string& nm, int lvl, int lf)
        : PlainWarrior(nm, lvl, lf), PlainMage(nm, lvl, lf) {}
};

int main() {
    PlainWarmage plain("Ezmund", 5, 40);
    Warmage ezmund("Ezmund", 5, 40, 40, 20);

    PlainWarrior& plain_warrior = plain;  // plain's Warrior side
    plain_warrior.setlife(20);
    Warrior& ezmund_warrior = ezmund;  // ezmund's Warrior side
    ezmund_warrior.setlife(20);

    // plain.getname();
    // const Hero& hero = plain;

    // The rest prints each one's life as its Warrior side and its Mage side see it.
    const PlainMage& plain_mage = plain;
    std::cout << "plain:  life " << plain_warrior.getlife() << " on its Warrior side, "
              << plain_mage.getlife() << " on its Mage side\n";
    const Mage& ezmund_mage = ezmund;
    std::cout << "ezmund: life " << ezmund_warrior.getlife() << " on its Warrior side, "
              << ezmund_mage.getlife() << " on its Mage side\n";
}
