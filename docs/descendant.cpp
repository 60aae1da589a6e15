// A new descendant of Warrior that names only Warrior's constructor. Hero is a virtual base, so
// the class of the object being created builds the Hero part; this one names no Hero
// constructor, so the Hero part gets Hero's defaults, whatever name, level and life it hands
// Warrior.
#include <iostream>

#include "Warrior.h"

namespace {

class Duelist : public Warrior {
public:
    Duelist() : Warrior("Bo", 9, 300, 5) {}
};

}  // namespace

int main() {
    const Duelist bo;
    bo.print();
    std::cout << "armor " << bo.getarmor() << "\n";
}
