// The mistakes that the docs quote compilers about, one to a case. A case is compiled on its
// own, with -DMISTAKE_<NAME> (the case `ambiguous_member` with -DMISTAKE_AMBIGUOUS_MEMBER), under
// the project's warnings, and holds one mistake, so that each compiler says one thing about it.
// Where the docs say a compiler is silent about a case, it must compile without a warning.

#if defined(MISTAKE_AMBIGUOUS_MEMBER) || defined(MISTAKE_AMBIGUOUS_BASE)
// The diamond without `virtual`: two Hero parts, so two getname members, and no one Hero to
// refer to.
#include <string>

#include "Hero.h"

struct PlainWarrior : Hero {
    int armor = 40;
};

struct PlainMage : Hero {
    int mana = 20;
};

struct PlainWarmage : PlainWarrior, PlainMage {};

#if defined(MISTAKE_AMBIGUOUS_MEMBER)
std::string name_of(const PlainWarmage& plain) { return plain.getname(); }
#else
void status(const PlainWarmage& plain) {
    const Hero& hero = plain;
    hero.print();
}
#endif

#elif defined(MISTAKE_ONE_PATH_WITHOUT_VIRTUAL)
// Warrior's Hero base is virtual, PlainMage's is not: two Hero parts again.
#include "Hero.h"
#include "Warrior.h"

class PlainMage : public Hero {};

class HalfWarmage : public Warrior, public PlainMage {};

#elif defined(MISTAKE_COPY_WITHOUT_HERO)
// A descendant's copy constructor that names only Warrior: the copy's Hero part is built by
// Hero's default constructor, so the copy is named Unknown.
#include "Hero.h"
#include "Warrior.h"

class Duelist : public Warrior {
public:
    Duelist() : Hero("Bo", 9, 300), Warrior("", 9, 300, 5) {}
    Duelist(const Duelist& o) : Warrior(o) {}
};

#elif defined(MISTAKE_REORDER)
// The initializers written in another order than the one they run in.
#include "Hero.h"
#include "Warrior.h"

class Duelist : public Warrior {
public:
    Duelist() : Warrior("", 9, 300, 5), Hero("Bo", 9, 300) {}
};

#elif defined(MISTAKE_NO_DEFAULT_CONSTRUCTOR)
// A virtual base without a default constructor: a constructor below it that does not name it
// does not compile.
class Being {
public:
    explicit Being(int lf) : life(lf) {}
    int life;
};

class Fighter : public virtual Being {
public:
    explicit Fighter(int arm) : Being(100), armor(arm) {}
    int armor;
};

class Brute : public Fighter {
public:
    Brute() : Fighter(5) {}
};

#elif defined(MISTAKE_AMBIGUOUS_NAME)
// The same name declared on the Warrior side and on the Mage side: neither hides the other.
#include "Mage.h"
#include "Warrior.h"

class Knight : public Warrior {
public:
    Knight() : Hero("Aldren", 7, 120) {}
    void print() const {}
};

class Sage : public Mage {
public:
    Sage() : Hero("Aldren", 7, 120) {}
    void print() const {}
};

class Templar : public Knight, public Sage {
public:
    Templar() : Hero("Aldren", 7, 120) {}
};

void status(const Templar& aldren) { aldren.print(); }

#elif defined(MISTAKE_AMBIGUOUS_NULL_TARGET)
// nullptr converts to Hero* and to Warrior* equally well.
#include "Warrior.h"

void strike(Warrior& jorv) { jorv.attack(nullptr, 20); }

#elif defined(MISTAKE_MOVE_ASSIGN_WARRIOR) || defined(MISTAKE_MOVE_ASSIGN_WARMAGE)
// A stand-in for the hierarchy whose Hero, unlike the real one, has a move assignment; closed
// into a diamond, a Warmage's move would move its Hero part twice.
#include <string>
#include <utility>

struct Hero {
    std::string name;
};

struct Warrior : virtual Hero {
    int armor = 25;
};

struct Mage : virtual Hero {
    int mana = 100;
};

#if defined(MISTAKE_MOVE_ASSIGN_WARRIOR)
void replace(Warrior& grell, Warrior& jorv) { grell = std::move(jorv); }
#else
struct Warmage : Warrior, Mage {};

void replace(Warmage& ezmund, Warmage& other) { ezmund = std::move(other); }
#endif

#elif defined(MISTAKE_MOVE_ASSIGN_WRITTEN)
// The same stand-ins, but Warrior and Mage write their own move assignments, each moving Hero:
// no warning, though a Warmage's implicit move assignment calls both and moves Hero twice.
#include <string>
#include <utility>

struct Hero {
    std::string name;
};

class Warrior : public virtual Hero {
public:
    Warrior() = default;
    Warrior(const Warrior&) = default;
    Warrior(Warrior&&) = default;
    Warrior& operator=(const Warrior&) = default;
    Warrior& operator=(Warrior&& other) noexcept {
        armor = other.armor;
        Hero::operator=(std::move(other));
        return *this;
    }
    ~Warrior() = default;

private:
    int armor = 25;
};

class Mage : public virtual Hero {
public:
    Mage() = default;
    Mage(const Mage&) = default;
    Mage(Mage&&) = default;
    Mage& operator=(const Mage&) = default;
    Mage& operator=(Mage&& other) noexcept {
        mana = other.mana;
        Hero::operator=(std::move(other));
        return *this;
    }
    ~Mage() = default;

private:
    int mana = 100;
};

struct Warmage : Warrior, Mage {};

void replace(Warmage& ezmund, Warmage& other) { ezmund = std::move(other); }

#elif defined(MISTAKE_DYNAMIC_CAST_DOWN)
// No virtual function, so no dynamic_cast down or across.
#include "Hero.h"
#include "Warrior.h"

Warrior* as_warrior(Hero* hero) { return dynamic_cast<Warrior*>(hero); }

#elif defined(MISTAKE_STATIC_CAST_DOWN)
// Where the Hero part lies in a Warrior depends on the whole object.
#include "Hero.h"
#include "Warrior.h"

Warrior* as_warrior(Hero* hero) { return static_cast<Warrior*>(hero); }

#elif defined(MISTAKE_PRIVATE_BY_DEFAULT)
// A class derives privately unless told otherwise.
#include "Hero.h"

class Guard : virtual Hero {
public:
    Guard() : Hero("Rhen", 3, 60) {}
};

const Hero& as_hero(const Guard& rhen) { return rhen; }

#elif defined(MISTAKE_DELETE_THROUGH_BASE)
// Deletes a Warrior through a Hero*, which has no virtual destructor: undefined behaviour,
// compiled without a word.
#include <memory>

#include "Hero.h"
#include "Warrior.h"

void own() { const std::unique_ptr<Hero> hero = std::make_unique<Warrior>(); }

#else
#error "-DMISTAKE_<NAME> names no case of this file"
#endif
