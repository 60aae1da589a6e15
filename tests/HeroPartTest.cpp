// Every character builds its one Hero part from its own name, level and life, kept by copies and
// moves; a descendant that forgets Hero(...) comes out "Unknown, 1, 100" (docs/extending.md#traps).
#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "Bloodmage.h"
#include "Hero.h"
#include "Mage.h"
#include "Warmage.h"
#include "Warrior.h"
#include "heropart.h"

namespace {

// What every row hands its constructor first (none of them Hero's defaults), and what comes out.
constexpr const char* in_name = "Orla";
constexpr int in_level = 7;
constexpr int in_life = 70;
constexpr const char* out_part = "Orla, 7, 70";

struct Row {
    const char* label;
    std::array<std::string, 3> (*build)();
};

TEST(HeroPart, EveryCharacterBuildsItFromItsOwnArguments) {
    // One row per class: a new character adds its own. The further arguments (armour 3, mana 9)
    // differ from the Hero part's, so that one taken for another shows.
    const std::vector<Row> rows{
        {"Hero", [] { return parts(Hero(in_name, in_level, in_life)); }},
        {"Warrior", [] { return parts(Warrior(in_name, in_level, in_life, 3)); }},
        {"Mage", [] { return parts(Mage(in_name, in_level, in_life, 9)); }},
        {"Bloodmage", [] { return parts(Bloodmage(in_name, in_level, in_life, 9)); }},
        {"Warmage", [] { return parts(Warmage(in_name, in_level, in_life, 3, 9)); }},
    };
    const std::array<const char*, 3> forms{"as built", "copied", "moved"};
    for (const Row& row : rows) {
        const std::array<std::string, 3> got = row.build();
        for (std::size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got.at(i), out_part) << row.label << ", " << forms.at(i);
        }
    }
}

// A character from braces or in an array of defaults is built by its default constructor,
// which is not explicit: clang++ refuses `= {}` with an explicit one, where g++ lets it through.
// A std::string still becomes a character only when asked.
template <class Character>
void expectdefaults(const char* label) {
    static_assert(!std::is_convertible_v<std::string, Character>);
    const Character one = {};
    const Character party[2] = {};  // NOLINT(*-avoid-c-arrays): the form a learner writes
    const std::array<Character, 2> many{};
    for (const Hero* made : std::array<const Hero*, 3>{&one, &party[1], &many[1]}) {
        EXPECT_EQ(partof(*made), "Unknown, 1, 100") << label;
    }
}

TEST(HeroPart, BracesAndArraysGiveTheDefaults) {
    expectdefaults<Hero>("Hero");
    expectdefaults<Warrior>("Warrior");
    expectdefaults<Mage>("Mage");
}

}  // namespace
