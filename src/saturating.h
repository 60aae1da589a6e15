// Saturating arithmetic on the 32-bit values that every character carries.
//
// Life, level, mana, armour and damage are plain ints with no floor or ceiling, so a sum or a
// difference can leave the range of int, and signed overflow is undefined behaviour. Every value
// the characters compute goes through these helpers instead: the exact result is worked out in
// 64 bits and then held at INT_MIN or INT_MAX if it lies beyond them. Inside the range nothing
// changes.
#pragma once

#include <cstdint>
#include <limits>

namespace saturating {

static_assert(std::numeric_limits<int>::digits == 31, "characters assume a 32-bit int");

// Returns `v` held inside the range of int.
constexpr int clamp(std::int64_t v) {
    constexpr std::int64_t lo = std::numeric_limits<int>::min();
    constexpr std::int64_t hi = std::numeric_limits<int>::max();
    return static_cast<int>(v < lo ? lo : (v > hi ? hi : v));
}

constexpr int add(int a, int b) { return clamp(std::int64_t{a} + b); }

constexpr int sub(int a, int b) { return clamp(std::int64_t{a} - b); }

// Returns a / b truncated toward zero; INT_MIN / -1 gives INT_MAX. `b` must not be 0.
constexpr int quot(int a, int b) { return clamp(std::int64_t{a} / b); }

}  // namespace saturating
