#include "Bloodmage.h"

#include <cstdint>
#include <string>
#include <utility>

#include "saturating.h"

// Mage's Hero arguments go unused in a Bloodmage (docs/hierarchy.md#who-builds-the-hero-part).
Bloodmage::Bloodmage(std::string nm, int lvl, int lf, int mn)
    : Hero(std::move(nm), lvl, lf), Mage(std::string(), lvl, lf, mn) {}

void Bloodmage::castspell(Hero* x, int d) {
    if (x == nullptr) {
        return;
    }
    const std::string caster = getname();
    const std::string target = x->getname();
    const int mn = getmana();
    if (d < mn) {
        setmana(saturating::subtract(mn, d));
    } else {
        // 64 bits wide: see saturating.h.
        const std::int64_t rest = std::int64_t{d} - mn;
        setmana(0);
        setlife(saturating::to_int(getlife() - rest));
    }
    x->setlife(saturating::subtract(x->getlife(), d));
    writespell(caster, d, target);
}
