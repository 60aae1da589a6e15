// The answers to the lesson's questions (docs/hierarchy.md#check-yourself), shown on
// docs/answers.md, each printed after its number: the programs of the questions, run.
#include <iostream>

#include "Hero.h"
#include "Warrior.h"

namespace {

// Question 1.
struct Guard : Hero {
    using Hero::Hero;
};
struct Scout : Hero {
    using Hero::Hero;
};
struct Ranger : Guard, Scout {
    Ranger() : Guard("Rhen", 3, 60), Scout("Rhen", 3, 60) {}
};

// Question 2.
class Squire : public Warrior {
public:
    Squire() : Hero("Pip", 2, 50), Warrior("Sir Pip", 9, 500, 5) {}
};

// Question 3: stand-ins that say when they are built and destroyed, and are never copied.
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
    Ranger rhen;
    static_cast<Guard&>(rhen).setlife(10);
    static_cast<Scout&>(rhen).print();

    std::cout << "2. ";
    const Squire pip;
    pip.print();
    std::cout << "armor " << pip.getarmor() << "\n";

    std::cout << "3.";
    { const order::Spellsword spellsword; }
    std::cout << "\n";
}
