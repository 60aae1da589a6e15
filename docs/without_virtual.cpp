// The diamond without `virtual` beside the real one: a Warmage built over a Warrior and a Mage
// that each derive from Hero the ordinary way holds two Hero parts, the real Warmage one. Grell
// hits each through its Warrior side, then the program lists the parts of both objects, each Hero
// part as it now reads (name, level, life). An object's parts are listed in the order of their
// addresses, a part inside another below it.
#include <algorithm>
#include <cstddef>
#include <cstdint>
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

// One part of an object: where it lies, and its lines.
struct Part {
    std::uintptr_t address;
    std::vector<std::string> lines;
};

// Returns the address of `part`, only to compare it with others.
std::uintptr_t address_of(const void* part) {
    return reinterpret_cast<std::uintptr_t>(part);  // NOLINT(*-pro-type-reinterpret-cast)
}

// Returns a Hero part's line, indented when the part lies inside another.
std::string hero_line(const Hero& hero, bool inside) {
    return (inside ? "  Hero part   " : "Hero part     ") + hero.getname() + ", " +
           std::to_string(hero.getlevel()) + ", " + std::to_string(hero.getlife());
}

// Returns the lines of the parts, in the order in which they lie in memory.
std::vector<std::string> draw(std::vector<Part> parts) {
    std::sort(parts.begin(), parts.end(),
              [](const Part& a, const Part& b) { return a.address < b.address; });
    std::vector<std::string> lines;
    for (const auto& part : parts) {
        lines.insert(lines.end(), part.lines.begin(), part.lines.end());
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

    // In PlainWarmage each Hero part lies inside a side; in Warmage it lies apart from both.
    const auto& plain_warrior = static_cast<const PlainWarrior&>(plain);
    const auto& plain_mage = static_cast<const PlainMage&>(plain);
    const auto left = draw({
        {address_of(&plain_warrior),
         {"Warrior part  armor " + std::to_string(plain.armor), hero_line(plain_warrior, true)}},
        {address_of(&plain_mage),
         {"Mage part     mana " + std::to_string(plain.mana), hero_line(plain_mage, true)}},
    });
    const auto right = draw({
        {address_of(static_cast<const Warrior*>(&ezmund)),
         {"Warrior part  armor " + std::to_string(ezmund.getarmor())}},
        {address_of(static_cast<const Mage*>(&ezmund)),
         {"Mage part     mana " + std::to_string(ezmund.getmana())}},
        {address_of(static_cast<const Hero*>(&ezmund)), {hero_line(ezmund, false)}},
    });

    const int width = 32;
    std::cout << "\n"
              << std::left << std::setw(width) << "PlainWarmage, no virtual"
              << "Warmage, virtual Hero\n";
    for (std::size_t i = 0; i < left.size() || i < right.size(); ++i) {
        const std::string l = i < left.size() ? left[i] : "";
        const std::string r = i < right.size() ? right[i] : "";
        std::cout << std::setw(r.empty() ? 0 : width) << l << r << "\n";
    }
}
