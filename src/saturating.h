// Saturating arithmetic on the ints that every character carries, whose overflow would be
// undefined behaviour. Every value a character stores or a report line writes is the exact result
// of its step, worked out in 64 bits, held at INT_MIN or INT_MAX only when it lies beyond them; a
// value neither stored nor written stays 64 bits wide until the step that stores it (blood spell).
#pragma once

#include <cstdint>
#include <limits>

namespace saturating {

static_assert(std::numeric_limits<int>::digits == 31, "characters assume a 32-bit int");

// Returns `v`, held inside the range of int.
constexpr int to_int(std::int64_t v) {
    constexpr std::int64_t lo = std::numeric_limits<int>::min();
    constexpr std::int64_t hi = std::numeric_limits<int>::max();
    return static_cast<int>(v < lo ? lo : (v > hi ? hi : v));
}

constexpr int add(int a, int b) { return to_int(std::int64_t{a} + b); }

constexpr int subtract(int a, int b) { return to_int(std::int64_t{a} - b); }

// Returns a / b truncated toward zero; INT_MIN / -1 gives INT_MAX. `b` must not be 0.
constexpr int divide(int a, int b) { return to_int(std::int64_t{a} / b); }

}  // namespace saturating
