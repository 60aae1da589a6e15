// Makes operator new fail on demand, to test what the characters and the battle do when memory
// runs out. Linking failing_new.cpp replaces the global operator new and delete.
#pragma once

#include <cstddef>

namespace failingnew {

// Makes the n-th allocation from now fail with std::bad_alloc (n = 1: the next one) and, when
// `onward` is true, every allocation after it too. n = 0 makes every allocation succeed again.
void arm(std::size_t n, bool onward = false);

}  // namespace failingnew
