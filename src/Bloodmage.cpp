#include "Bloodmage.h"

#include <cstdint>
#include <utility>

#include "saturating.h"

// As the most-derived class, a Bloodmage sets its Hero part itself; Mage takes only the mana,
// so it is handed no name to copy.
Bloodmage::Bloodmage(std::string nm, int lvl, int lf, int mn)
    : Hero(std::move(nm), lvl, lf), Mage(std::string(), lvl, lf, mn) {}

void Bloodmage::castspell(Hero* x, int d) {
    if (x == nullptr) {
        return;
    }
    const int mn = getmana();
    if (d < mn) {
        landspell(x, d, saturating::sub(mn, d), getlife());
        return;
    }
    // The rest that the mana does not cover is neither stored nor written, so it is not held:
    // life - (d - mn) is exact whenever it fits.
    const std::int64_t rest = std::int64_t{d} - mn;
    landspell(x, d, 0, saturating::clamp(getlife() - rest));
}
