// The diamond without `virtual` beside the real one: a Warmage built over a Warrior and a Mage
// that each derive from Hero the ordinary way holds two Hero parts, the real Warmage one. Each
// has its life set through its Warrior side; then the program lists the parts of both objects,
// each part indented under the part that holds it, and each Hero part as it now reads (name,
// level, life).
#include <iostream>
#include <string>

#include "Hero.h"
#include "Mage.h"
#include "Warmage.h"
#include "Warrior.h"

namespace {

struct PlainWarrior : Hero {
    using Hero::Hero;
    int armor = 40;
};

struct PlainMage : Hero {
    using Hero::Hero;
    int mana = 20;
};

// Each base builds a Hero part of its own, so both are handed the name.
struct PlainWarmage : PlainWarrior, PlainMage {
    PlainWarmage(const std::string& nm, int lvl, int lf)
        : PlainWarrior(nm, lvl, lf), PlainMage(nm, lvl, lf) {}
};

// Returns a Hero part's name, level and life.
std::string values(const Hero& hero) {
    return hero.getname() + ", " + std::to_string(hero.getlevel()) + ", " +
           std::to_string(hero.getlife());
}

// Writes the parts of an object whose Warrior side has `armor` and reaches the Hero part
// `warrior_hero`, and whose Mage side has `mana` and reaches `mage_hero`. Reached at one
// address from both sides, the Hero part is one, shared, and held by neither side: it is
// written once, under the object. Otherwise each side holds a Hero part of its own.
void draw(const std::string& title, int armor, const Hero& warrior_hero, int mana,
          const Hero& mage_hero) {
    const bool shared = &warrior_hero == &mage_hero;
    std::cout << title << "\n";
    std::cout << "  Warrior part  armor " << armor << "\n";
    if (!shared) {
        std::cout << "    Hero part   " << values(warrior_hero) << "\n";
    }
    std::cout << "  Mage part     mana " << mana << "\n";
    if (!shared) {
        std::cout << "    Hero part   " << values(mage_hero) << "\n";
    } else {
        std::cout << "  Hero part     " << values(warrior_hero) << "\n";
    }
}

}  // namespace

int main() {
    PlainWarmage plain("Ezmund", 5, 40);
    Warmage ezmund("Ezmund", 5, 40, 40, 20);
    PlainWarrior& plain_warrior = plain;  // plain's Warrior side
    plain_warrior.setlife(20);
    Warrior& ezmund_warrior = ezmund;  // ezmund's Warrior side
    ezmund_warrior.setlife(20);

    const PlainMage& plain_mage = plain;
    draw("plain, a PlainWarmage", plain.armor, plain_warrior, plain.mana, plain_mage);
    const Mage& ezmund_mage = ezmund;
    draw("ezmund, a Warmage", ezmund.getarmor(), ezmund_warrior, ezmund.getmana(), ezmund_mage);
}
