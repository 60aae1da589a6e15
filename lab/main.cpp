// The main of every exercise's tests. A run passes only when every test linked in ran and
// passed: a filter, or code that ends the program before its tests are done, fails it. Being a
// source of the program, not a library's, it also keeps a main of the student's from linking.
#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>

namespace {

bool finished = false;  // whether the tests have all run

void endedearly() {
    if (!finished) {
        std::cerr << "lab: the program ended before its tests did (an exit in the code?)"
                  << std::endl;
        std::_Exit(EXIT_FAILURE);
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::atexit(endedearly);
    testing::InitGoogleTest(&argc, argv);
    const int failed = RUN_ALL_TESTS();
    finished = true;
    const testing::UnitTest& tests = *testing::UnitTest::GetInstance();
    if (failed == 0 && tests.successful_test_count() != tests.total_test_count()) {
        std::cerr << "lab: " << tests.successful_test_count() << " of the "
                  << tests.total_test_count() << " tests ran (a filter?)" << std::endl;
        return EXIT_FAILURE;
    }
    return failed;
}
