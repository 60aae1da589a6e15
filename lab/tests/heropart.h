// The check every exercise's class must pass: its one Hero part holds the name, level and life
// it was given, as built, copied and moved.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "Hero.h"

namespace lab {

// Returns "<name>, <level>, <life>" of h's Hero part.
inline std::string partof(const Hero& h) {
    return h.getname() + ", " + std::to_string(h.getlevel()) + ", " + std::to_string(h.getlife());
}

template <class Character>
void expectheropart(const Character& made, const std::string& part) {
    Character copy(made);
    const std::string copied = partof(copy);
    const Character moved(std::move(copy));
    const char* hint = "\n\"Unknown, 1, 100\" is Hero's defaults: docs/extending.md#traps";
    EXPECT_EQ(partof(made), part) << "as built" << hint;
    EXPECT_EQ(copied, part) << "copied" << hint;
    EXPECT_EQ(partof(moved), part) << "moved" << hint;
}

}  // namespace lab
