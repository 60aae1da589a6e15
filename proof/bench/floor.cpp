// The C++ floor for the battle's job: the nineteen lines through std::cout, each ended by
// std::endl, as the battle writes them, and nothing else.
#include <iostream>

#include "floor_lines.h"  // written by proof/bench/run from tests/expected_output.txt

int main() {
    for (const char* line : lines) {
        std::cout << line << std::endl;
    }
    return 0;
}
