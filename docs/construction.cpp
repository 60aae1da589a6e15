// Builds a Warrior from the same arguments twice: alone, and as the Warrior part of a class
// built the way a Warmage is, except that it hands its Warrior part those arguments. Alone,
// the Warrior sets its Hero part from them; as a part, only its armour counts.
#include <iostream>

#include "Hero.h"
#include "Mage.h"
#include "Warmage.h"
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
    std::cout << "armour " << alone.getarmor() << "\n";

    const Spellblade part;
    part.print();
    std::cout << "armour " << part.getarmor() << ", mana " << part.getmana() << "\n";

    const Warmage warmage("Ezmund", 5, 40, 40, 20);
    warmage.print();
    std::cout << "armour " << warmage.getarmor() << ", mana " << warmage.getmana() << "\n";
}
