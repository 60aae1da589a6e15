#include "Necromancer.h"

#include <string>
#include <utility>

#include "saturating.h"

// The most-derived constructor builds the Hero part; Mage's Hero arguments go unused.
Necromancer::Necromancer(std::string nm, int lvl, int lf, int mn)
    : Hero(std::move(nm), lvl, lf), Mage(std::string(), lvl, lf, mn) {}

void Necromancer::drain(Hero* x, int d) {
    const bool cast = x != nullptr && getmana() >= d;
    castspell(x, d);
    if (cast) {
        setlife(saturating::add(getlife(), d));
    }
}
