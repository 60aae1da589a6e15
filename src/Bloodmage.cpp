#include "Bloodmage.h"

#include <utility>

#include "saturating.h"

// Hero is a virtual base: this, the most-derived constructor, sets it. The Hero arguments
// handed on to Mage are ignored there; only the mana is taken.
Bloodmage::Bloodmage(std::string nm, int lvl, int lf, int mn)
    : Hero(nm, lvl, lf), Mage(std::move(nm), lvl, lf, mn) {}

void Bloodmage::castspell(Hero* x, int d) {
    if (x == nullptr) {
        return;
    }
    const int mn = getmana();
    if (d < mn) {
        setmana(saturating::sub(mn, d));
    } else {
        const int rest = saturating::sub(d, mn);
        setmana(0);
        setlife(saturating::sub(getlife(), rest));
    }
    landspell(x, d);
}
