// Makes operator new fail on demand, to test what the characters and the battle do when memory
// runs out. Linking failing_new.cpp replaces the global operator new and delete.
#pragma once

#include <cstddef>

namespace failingnew {

enum class Failure {
    once,    // the allocation throws std::bad_alloc
    onward,  // it and every allocation after it throw std::bad_alloc
    exit,    // the process ends there with status 3, flushing nothing, as if it were killed
};

// Makes the n-th allocation from now fail (n = 1: the next one). n = 0 makes every allocation
// succeed again.
void arm(std::size_t n, Failure how = Failure::once);

}  // namespace failingnew
