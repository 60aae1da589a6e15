// Two copies that take only part of a character: the comparison's copy of a Hero part, and an
// assignment through a Warrior& that refers to a Warmage.
#include <iostream>

#include "Hero.h"
#include "Warmage.h"
#include "Warrior.h"

int main() {
    Hero cuth("Cuth", 5, 200);
    const Warrior halvardo("Halvardo", 2, 100, 50);
    // operator> takes a copy of Halvardo's Hero part: the slicing is the point.
    const bool higher = cuth > halvardo;  // NOLINT(cppcoreguidelines-slicing)
    std::cout << std::boolalpha << "Cuth > Halvardo: " << higher << "\n";

    Warmage ezmund("Ezmund", 5, 40, 40, 20);
    const Warrior grell("Grell", 3, 60, 50);
    Warrior& as_warrior = ezmund;
    as_warrior = grell;
    ezmund.print();
    std::cout << "armor " << ezmund.getarmor() << ", mana " << ezmund.getmana() << "\n";
}
