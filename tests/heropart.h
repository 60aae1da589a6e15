// What every character must keep: its one Hero part holds the name, level and life it was given,
// as built, copied and moved. Shared by HeroPartTest.cpp and the lab's exercises.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>

#include "Hero.h"

// Returns "<name>, <level>, <life>" of h's Hero part.
inline std::string partof(const Hero& h) {
    return h.getname() + ", " + std::to_string(h.getlevel()) + ", " + std::to_string(h.getlife());
}

// Returns the Hero part of `made`, of a copy of it, and of a character moved from that copy.
template <class Character>
std::array<std::string, 3> parts(const Character& made) {
    Character copy(made);
    std::string copied = partof(copy);
    const Character moved(std::move(copy));
    return {partof(made), std::move(copied), partof(moved)};
}

// Expects each of the three to be `part`.
template <class Character>
void expectheropart(const Character& made, const std::string& part) {
    const std::array<std::string, 3> got = parts(made);
    const char* hint =
        "\n\"Unknown, 1, 100\" is Hero's defaults: a constructor names no Hero(...) "
        "(docs/extending.md#traps)";
    EXPECT_EQ(got[0], part) << "as built" << hint;
    EXPECT_EQ(got[1], part) << "copied" << hint;
    EXPECT_EQ(got[2], part) << "moved" << hint;
}
