// Prints the size of each character class and where each base part lies inside it, measured by
// converting a pointer to the whole into one to the part, as the compiler does whenever a
// character is passed as one of its bases. Last, it asks typeid what a Warrior& to a Warmage is.
#include <cstddef>
#include <cstdint>
#include <iostream>
#include <typeinfo>

#include "Bloodmage.h"
#include "Hero.h"
#include "Mage.h"
#include "Warmage.h"
#include "Warrior.h"

namespace {

// Returns how many bytes into `whole` its Part lies.
template <class Part, class Whole>
std::ptrdiff_t at(const Whole& whole) {
    const auto address = [](const void* p) {
        // Only the addresses are compared, never used to reach the object.
        return reinterpret_cast<std::uintptr_t>(p);  // NOLINT(*-pro-type-reinterpret-cast)
    };
    return static_cast<std::ptrdiff_t>(address(static_cast<const Part*>(&whole)) - address(&whole));
}

}  // namespace

int main() {
    const Hero hero;
    const Warrior warrior;
    const Mage mage;
    const Bloodmage bloodmage("Ulvar", 8, 50, 50);
    const Warmage warmage("Ezmund", 5, 40, 40, 20);
    std::cout << "Hero      " << sizeof hero << " bytes\n";
    std::cout << "Warrior   " << sizeof warrior << " bytes, Hero part at " << at<Hero>(warrior)
              << "\n";
    std::cout << "Mage      " << sizeof mage << " bytes, Hero part at " << at<Hero>(mage) << "\n";
    std::cout << "Bloodmage " << sizeof bloodmage << " bytes, Mage part at " << at<Mage>(bloodmage)
              << ", Hero part at " << at<Hero>(bloodmage) << "\n";
    std::cout << "Warmage   " << sizeof warmage << " bytes, Warrior part at "
              << at<Warrior>(warmage) << ", Mage part at " << at<Mage>(warmage) << ", Hero part at "
              << at<Hero>(warmage) << "\n";

    // The classes are not polymorphic, so typeid gives the reference's own type.
    const Warrior& as_warrior = warmage;
    std::cout << std::boolalpha << "typeid of a Warrior& to a Warmage is Warrior's: "
              << (typeid(as_warrior) == typeid(Warrior)) << "\n";
}
