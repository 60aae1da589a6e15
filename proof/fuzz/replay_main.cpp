// Replays saved fuzz inputs, the files given, through the same decoder and model as the fuzzer,
// so that any compiler can run them as an ordinary test.
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

#include "character_sequence.h"

namespace {

// Returns whether `file` could be read; an input that cannot be read is not replayed.
bool replay(const char* file) {
    std::ifstream in(file, std::ios::binary);
    std::vector<std::uint8_t> bytes;
    try {
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    } catch (const std::ios_base::failure&) {  // a read that failed: of a directory, say
        in.setstate(std::ios::badbit);
    }
    if (!in) {
        std::cerr << "cannot read \"" << file << '"' << std::endl;
        return false;
    }
    runcharactersequence(bytes.data(), bytes.size());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    int replayed = 0;
    int unreadable = 0;
    for (int i = 1; i < argc; ++i) {
        // main's arguments come as a C array; indexing it is the only way to them.
        const char* file = argv[i];  // NOLINT(cppcoreguidelines-pro-bounds-pointer-arithmetic)
        ++(replay(file) ? replayed : unreadable);
    }
    std::cout << "replayed " << replayed << " inputs" << std::endl;
    return replayed > 0 && unreadable == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
