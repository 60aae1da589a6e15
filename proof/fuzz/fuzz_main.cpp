// libFuzzer entry point: every input is a sequence of character operations.
#include <cstddef>
#include <cstdint>

#include "character_sequence.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    runcharactersequence(data, size);
    return 0;
}
