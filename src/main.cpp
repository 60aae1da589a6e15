// The battle: one fixed script, each action writing one report line. main owns every character,
// on the heap through a std::unique_ptr of its exact type (docs/hierarchy.md, Ownership), and
// hands targets over as plain pointers. A run whose output could not be written, or that ran out
// of memory, says so in one line on standard error and exits 1 (docs/battle.md).
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <memory>
#include <new>
#include <string>

#include "Bloodmage.h"
#include "Hero.h"
#include "Warmage.h"
#include "Warrior.h"

namespace {

// Returns EXIT_SUCCESS when every report line reached standard output; otherwise says why, from
// the errno of the write that failed, and returns EXIT_FAILURE.
int outputstatus() {
    if (std::cout.flush()) {
        return EXIT_SUCCESS;
    }
    const int err = errno;
    std::cerr << "battle: cannot write to standard output: "
              << (err != 0 ? std::strerror(err) : "write error") << std::endl;
    return EXIT_FAILURE;
}

}  // namespace

int main() try {
    errno = 0;

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

    // Blood magic: one Bloodmage pays with its life, the other is held to the Mage rule.
    auto bmg = std::make_unique<Bloodmage>("Ulvar", 8, 50, 50);
    bmg->castspell(h1.get(), 60);
    bmg->print();
    h1->print();
    auto bmg2 = std::make_unique<Bloodmage>("Tamrin", 50, 95, 95);
    bmg2->Mage::castspell(w1.get(), 100);
    bmg2->print();
    w1->print();
    h1.reset();

    // Level-up and comparison, on the stack.
    Hero h2("Cuth", 4, 100);
    Warrior w3("Halvardo", 2, 100, 50);
    h2++;
    h2.print();
    // The names are copied before the line is begun, so that no allocation fails halfway through.
    const std::string h2name = h2.getname();
    const std::string w3name = w3.getname();
    // operator> takes a copy of w3's Hero part: slicing is the point.
    if (h2 > w3) {  // NOLINT(cppcoreguidelines-slicing)
        std::cout << h2name << " higher level than " << w3name << std::endl;
    } else {
        std::cout << w3name << " higher level than " << h2name << std::endl;
    }

    // The Warmage: an armoured attack and a spell, under one name, at one Warrior.
    auto wm1 = std::make_unique<Warmage>("Ezmund", 5, 40, 40, 20);
    wm1->print();
    auto w6 = std::make_unique<Warrior>("Grell", 3, 60, 50);
    wm1->attack(w6.get(), 80);
    wm1->castspell(w6.get(), 20);

    return outputstatus();
} catch (const std::bad_alloc&) {
    std::cerr << "battle: out of memory" << std::endl;
    return EXIT_FAILURE;
}
