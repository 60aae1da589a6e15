// Builds a Warrior from the same arguments twice: alone, and as the Warrior part of a class
// derived from Warrior and Mage as a Warmage is, whose initializers say when they are
// evaluated. Alone, the Warrior sets its Hero part from them; as a part, only its armour
// counts, though every argument is evaluated and passed. Last, it builds a Warmage.
#include <iostream>
#include <string>

#include "Hero.h"
#include "Mage.h"
#include "Warmage.h"
#include "Warrior.h"

namespace {

// Returns `name`, having said which constructor it is handed to.
std::string handed(const char* to, const char* name) {
    std::cout << to << " is handed " << name << "\n";
    return name;
}

class Spellblade : public Warrior, public Mage {
public:
    Spellblade()
        : Hero(handed("Hero", "Ezmund"), 5, 40),
          Warrior(handed("Warrior", "Grell"), 3, 60, 50),
          Mage(handed("Mage", "Grell"), 3, 60, 20) {}
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
