// The battle: one fixed script of characters acting on each other, each action writing one
// report line to standard output.
#include <memory>

#include "Hero.h"
#include "Warrior.h"

int main() {
    // Opening skirmish: both forms of attack on the same Warrior.
    auto h1 = std::make_unique<Hero>("Morvek", 4, 80);
    h1->print();
    auto w1 = std::make_unique<Warrior>("Jorv", 4, 40, 10);
    auto w2 = std::make_unique<Warrior>();
    w1->attack(h1.get(), 20);
    h1->print();
    w1->attack(w2.get(), 50);
    w2->print();
    w1->attack(static_cast<Hero*>(w2.get()), 50);
    w2->print();

    return 0;
}
