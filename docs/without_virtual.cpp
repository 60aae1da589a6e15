// The diamond without `virtual`: a Warmage built over a Warrior and a Mage that each derive
// from Hero the ordinary way holds two Hero parts, and a hit through one side leaves the
// other side's life as it was.
#include <iostream>
#include <string>

#include "Hero.h"
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

}  // namespace

int main() {
    PlainWarmage ezmund("Ezmund", 5, 40);
    const Hero& warrior_side = static_cast<PlainWarrior&>(ezmund);
    const Hero& mage_side = static_cast<PlainMage&>(ezmund);
    std::cout << std::boolalpha << "two Hero parts: " << (&warrior_side != &mage_side) << "\n";
    std::cout << "size of Warmage = size of Warrior + size of Mage: "
              << (sizeof ezmund == sizeof(PlainWarrior) + sizeof(PlainMage)) << "\n";

    Warrior grell("Grell", 3, 60, 50);
    grell.attack(static_cast<PlainWarrior*>(&ezmund), 20);
    std::cout << "Warrior side: ";
    warrior_side.print();
    std::cout << "Mage side:    ";
    mage_side.print();
}
