// Who builds the Hero part: a Warrior built alone from Grell's values, then a class derived from
// Warrior and Mage as a Warmage is, which hands them Grell's values too but builds the Hero part
// itself, as Ezmund. Inside it, Warrior's and Mage's own Hero(...) do not run.
#include <iostream>

#include "Hero.h"
#include "Mage.h"
#include "Warrior.h"

namespace {

class Spellblade : public Warrior, public Mage {
public:
    Spellblade() : Hero("Ezmund", 5, 40), Warrior("Grell", 3, 60, 50), Mage("Grell", 3, 60, 20) {}
};

}  // namespace

int main() {
    const Warrior alone("Grell", 3, 60, 50);
    alone.print();
    std::cout << "armor " << alone.getarmor() << "\n";

    const Spellblade spellblade;
    spellblade.print();
    std::cout << "armor " << spellblade.getarmor() << ", mana " << spellblade.getmana() << "\n";
}
