// Correct code that looks like the traps in flagged.cpp: the lint (lint.provided) must report
// nothing here. Never built (a target names it only for its flags), so clang-tidy, which
// would refuse its raw news, never reads it.
#include <memory>
#include <utility>
#include <vector>

#include "Hero.h"
#include "Warrior.h"

namespace {

class Berserker : public Warrior {
public:
    Berserker() : Hero("Bo", 9, 300), Warrior("", 9, 300, 5) {}
};

// Delete what they are given, which is of the type they delete.
void release(Hero* h) { delete h; }
void releasewarrior(Warrior* x) { delete x; }

void owners(std::unique_ptr<Warrior> handed, Warrior* w) {
    std::unique_ptr<Hero> hero = std::make_unique<Hero>();
    hero.reset(new Hero);
    std::shared_ptr<Hero> shared = std::make_shared<Warrior>();
    std::shared_ptr<Hero> sharedraw(new Warrior);
    std::unique_ptr<Warrior> same(std::move(handed));
    std::unique_ptr<Warrior> fromvariable(w);
    std::unique_ptr<Warrior> released(std::make_unique<Warrior>().release());
    same.reset(new Warrior);
    std::unique_ptr<Berserker> deeper = std::make_unique<Berserker>();
    std::vector<std::unique_ptr<Warrior>> party;
    party.emplace_back(std::make_unique<Warrior>());
    party.push_back(std::move(same));
    Hero plain;
    Hero* borrowed = &plain;
    Hero* viewed = w;
    viewed->print();
    borrowed->print();
    release(new Hero);
    release(hero.release());
    releasewarrior(w);
    auto* exact = new Warrior;
    delete exact;
}

}  // namespace
