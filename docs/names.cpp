// How a call finds its function, decided when the call is compiled: a print declared on the
// Warrior side of a diamond (dominance), and attack on targets of two types (overload
// resolution).
#include <iostream>
#include <string>

#include "Bloodmage.h"
#include "Hero.h"
#include "Mage.h"
#include "Warmage.h"
#include "Warrior.h"

namespace {

// A Warrior whose status adds its armour. Its print hides Hero's.
class Knight : public Warrior {
public:
    Knight(const std::string& nm, int lvl, int lf, int arm)
        : Hero(nm, lvl, lf), Warrior(std::string(), lvl, lf, arm) {}

    void print() const {
        Hero::print();
        std::cout << "armour " << getarmor() << "\n";
    }
};

// A Knight and a Mage over one Hero part, which this class builds.
class Templar : public Knight, public Mage {
public:
    Templar(const std::string& nm, int lvl, int lf, int arm, int mn)
        : Hero(nm, lvl, lf),
          Knight(std::string(), lvl, lf, arm),
          Mage(std::string(), lvl, lf, mn) {}
};

}  // namespace

int main() {
    // Knight::print, though Hero::print is reached through the Mage side too.
    const Templar aldren("Aldren", 7, 120, 30, 40);
    aldren.print();

    // A Warmage* converts better to Warrior* than to Hero*; a Bloodmage* only to Hero*.
    Warrior grell("Grell", 3, 60, 50);
    Warmage ezmund("Ezmund", 5, 40, 40, 20);
    grell.attack(&ezmund, 80);
    Bloodmage ulvar("Ulvar", 8, 50, 50);
    grell.attack(&ulvar, 80);
}
