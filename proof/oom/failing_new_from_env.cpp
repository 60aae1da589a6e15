// Arms the failing operator new for a whole run of the program it is linked into, from the
// environment: BATTLE_FAIL_NEW=k makes the k-th allocation fail, k+ that one and every one
// after it, and k! ends the process at the k-th allocation.
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
    const failingnew::Failure how = *end == '+'   ? failingnew::Failure::onward
                                    : *end == '!' ? failingnew::Failure::exit
                                                  : failingnew::Failure::once;
    failingnew::arm(n, how);
    return true;
}();

}  // namespace
