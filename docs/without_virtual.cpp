// The diamond without `virtual` beside the real one: a Warmage built over a Warrior and a Mage
// that each derive from Hero the ordinary way holds two Hero parts, the real Warmage one. Grell
// hits each through its Warrior side, then the program draws both objects, each Hero part
// where the object holds it and as it now reads.
#include <cstddef>
#include <iomanip>
#include <iostream>
#include <string>
#include <vector>

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

// Returns a Hero part's line of the drawing, indented when the part lies inside another.
std::string hero_line(const Hero& hero, bool inside) {
    return (inside ? "  Hero part   " : "Hero part     ") + hero.getname() + ", " +
           std::to_string(hero.getlevel()) + ", " + std::to_string(hero.getlife());
}

// Returns the lines of a drawing of an object whose Warrior side and Mage side reach the Hero
// parts given: one inside each side when they are two, one below both when they are one.
std::vector<std::string> draw(const Hero& warrior_side, const Hero& mage_side, int armor,
                              int mana) {
    std::vector<std::vector<std::string>> boxes{{"Warrior part  armor " + std::to_string(armor)},
                                                {"Mage part     mana " + std::to_string(mana)}};
    if (&warrior_side == &mage_side) {
        boxes.push_back({hero_line(warrior_side, false)});
    } else {
        boxes.front().push_back(hero_line(warrior_side, true));
        boxes.back().push_back(hero_line(mage_side, true));
    }
    const std::size_t width = 30;
    const std::string rule = "+" + std::string(width + 2, '-') + "+";
    std::vector<std::string> lines{rule};
    for (const auto& box : boxes) {
        for (const auto& line : box) {
            lines.push_back("| " + line + std::string(width - line.size(), ' ') + " |");
        }
        lines.push_back(rule);
    }
    return lines;
}

}  // namespace

int main() {
    PlainWarmage plain("Ezmund", 5, 40);
    Warmage ezmund("Ezmund", 5, 40, 40, 20);
    Warrior grell("Grell", 3, 60, 50);
    grell.attack(static_cast<PlainWarrior*>(&plain), 20);
    grell.attack(static_cast<Hero*>(static_cast<Warrior*>(&ezmund)), 20);

    const auto left = draw(static_cast<PlainWarrior&>(plain), static_cast<PlainMage&>(plain),
                           plain.armor, plain.mana);
    const auto right = draw(static_cast<Warrior&>(ezmund), static_cast<Mage&>(ezmund),
                            ezmund.getarmor(), ezmund.getmana());
    std::cout << "\n"
              << std::left << std::setw(38) << "PlainWarmage, no virtual"
              << "Warmage, virtual Hero\n";
    for (std::size_t i = 0; i < left.size() || i < right.size(); ++i) {
        const std::string l = i < left.size() ? left[i] : "";
        const std::string r = i < right.size() ? right[i] : "";
        std::cout << std::setw(38) << l << r << "\n";
    }
}
