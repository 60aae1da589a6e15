// Each line marked "flagged" is a trap that the lint must report there, or
// lint.flags_each_trap fails. clang-query reports by matcher, in the order of
// hierarchy.query, and within one in the order of the file: the marks follow that order.
// Never built (a target names it only for its flags), so clang-tidy, which would rightly
// refuse it, never reads it.
#include <memory>
#include <utility>
#include <vector>

#include "Hero.h"
#include "Warrior.h"

namespace {

class Berserker : public Warrior {
public:
    Berserker() : Warrior("Bo", 9, 300, 5) {}  // flagged: Hero left to its defaults
};

class Brute : public Warrior {
public:
    using Warrior::Warrior;  // flagged: inherited constructors
};

// Deletes what it is given: through a Hero*, so only a plain Hero may be handed to it.
void release(Hero* h) { delete h; }

void owners(std::unique_ptr<Warrior> handed, Warrior* w) {
    std::unique_ptr<Hero> made = std::make_unique<Warrior>();               // flagged: made
    std::unique_ptr<Hero> moved(std::move(handed));                         // flagged: moved
    std::unique_ptr<Warrior> deeper = std::make_unique<Berserker>();        // flagged: deeper
    std::unique_ptr<Hero> fromvariable(w);                                  // flagged: variable
    std::unique_ptr<Hero> released(std::make_unique<Warrior>().release());  // flagged: release
    Hero* asbase = w;
    std::unique_ptr<Hero> frombase(asbase);                 // flagged: base variable
    std::unique_ptr<Hero> fromcast(static_cast<Hero*>(w));  // flagged: cast
    std::vector<std::unique_ptr<Hero>> party;
    party.emplace_back(w);                       // flagged: emplace
    made.reset(w);                               // flagged: reset
    std::unique_ptr<Hero> fromnew(new Warrior);  // flagged: new
    Hero* raw = new Warrior;                     // flagged: raw new
    delete raw;                                  // flagged: delete
    release(w);                                  // flagged: helper
}

}  // namespace
