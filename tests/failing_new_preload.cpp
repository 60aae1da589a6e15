// Loaded into a program with LD_PRELOAD: BATTLE_FAIL_NEW=k makes its k-th allocation fail, and
// BATTLE_FAIL_NEW=k+ that one and every later one.
#include <cstdlib>

#include "failing_new.h"

namespace {

const bool armed = [] {
    const char* setting = std::getenv("BATTLE_FAIL_NEW");
    if (setting == nullptr) {
        return false;
    }
    char* end = nullptr;
    const unsigned long n = std::strtoul(setting, &end, 10);
    failingnew::arm(n, *end == '+');
    return true;
}();

}  // namespace
