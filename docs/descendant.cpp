// A new descendant of Warrior whose constructor names no Hero(...): the Hero part gets Hero's
// defaults, whatever name, level and life it hands Warrior.
#include <iostream>

#include "Warrior.h"

class Duelist : public Warrior {
public:
    Duelist() : Warrior("Bo", 9, 300, 5) {}
};

int main() {
    const Duelist bo;
    bo.print();
    std::cout << "armor " << bo.getarmor() << "\n";
}
