// The lesson's questions (docs/hierarchy.md#check-yourself) run, each after its number, as
// docs/answers.md shows them.
#include <iostream>

#include "Hero.h"
#include "Warrior.h"

namespace {

// Question 1.
class Squire : public Warrior {
public:
    Squire() : Hero("Pip", 2, 50), Warrior("Sir Pip", 9, 500, 5) {}
};

// Question 2: small copies of the classes that say when they are built and destroyed, and are
// never copied.
// NOLINTBEGIN(cppcoreguidelines-special-member-functions)
namespace order {
struct Hero {
    Hero() { std::cout << " Hero"; }
    ~Hero() { std::cout << " ~Hero"; }
};
struct Warrior : virtual Hero {
    Warrior() { std::cout << " Warrior"; }
    ~Warrior() { std::cout << " ~Warrior"; }
};
struct Mage : virtual Hero {
    Mage() { std::cout << " Mage"; }
    ~Mage() { std::cout << " ~Mage"; }
};
struct Spellsword : Mage, Warrior {
    Spellsword() { std::cout << " Spellsword"; }
    ~Spellsword() { std::cout << " ~Spellsword"; }
};
}  // namespace order
// NOLINTEND(cppcoreguidelines-special-member-functions)

}  // namespace

int main() {
    std::cout << "1. ";
    const Squire pip;
    pip.print();
    std::cout << "armor " << pip.getarmor() << "\n";

    std::cout << "2.";
    { const order::Spellsword spellsword; }
    std::cout << "\n";
}
