// Hero: the name, life and level that every character has, and three report lines about them
// (status, level gain, damage taken); on its own, and as the one Hero part of every character.
// What every character promises: each operation does all it says or, when copying a name runs out
// of memory, throws std::bad_alloc having changed and written nothing; each report line is
// flushed as written; the numbers follow saturating.h.
#pragma once

#include <string>

class Hero {  // NOLINT(cppcoreguidelines-special-member-functions): no move assignment, below
public:
    // "Unknown", level 1, life 100. The default constructor is not explicit, so that `Hero h = {};`
    // and `std::array<Hero, 2> a{};` compile (g++ and clang++ refuse an explicit one there); the
    // one taking a name is, so that a std::string never becomes a Hero unasked.
    Hero();
    explicit Hero(std::string nm, int lvl = 1, int lf = 100);

    // Declared only to leave out the move assignment: assigning a Warmage may assign its one
    // Hero part twice, and a second move would take a name already moved from, whose value is
    // unspecified (docs/hierarchy.md#copies-and-assignment; g++ -Wvirtual-move-assign and
    // clang++ -Wmultiple-move-vbase point at it). Assigning from an rvalue copies.
    Hero(const Hero&) = default;
    Hero(Hero&&) noexcept = default;
    Hero& operator=(const Hero&) = default;

    [[nodiscard]] std::string getname() const;
    void setname(std::string nm);
    [[nodiscard]] int getlife() const;
    void setlife(int lf);
    [[nodiscard]] int getlevel() const;
    void setlevel(int lvl);

    // Writes "Hero: <name>, <level>, <life>".
    void print() const;

    // Level-up: the level rises by 1, the level-gain line is written, and only then does the
    // life rise by 100.
    void operator++(int);

    // Takes `d` off the life and writes the damage-taken line with `d` itself.
    void operator-(int d);

    // Returns whether this character's level is strictly greater than x's. `x` is a copy of
    // the other character's Hero part, on purpose: the comparison can never change it.
    bool operator>(Hero x);

private:
    std::string name;
    int life;
    int level;
};
