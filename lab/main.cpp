// The main of every exercise's tests. A run passes only when every test linked in ran and
// passed: a filter, or code that ends the program before its tests are done, fails it. Its last
// line says all ran, which lab/grade.cmake requires, so that even an exit that skips the atexit
// handlers (std::_Exit) fails there. Being a source of the program, not a library's, it also
// keeps a main of the student's from linking.
#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>

namespace {

bool& finished() {  // whether the tests have all run
    static bool done = false;
    return done;
}

void endedearly() {
    if (!finished()) {
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
    finished() = true;
    const testing::UnitTest& tests = *testing::UnitTest::GetInstance();
    if (failed == 0 && tests.successful_test_count() != tests.total_test_count()) {
        std::cerr << "lab: " << tests.successful_test_count() << " of the "
                  << tests.total_test_count() << " tests ran (a filter?)" << std::endl;
        return EXIT_FAILURE;
    }
    if (failed == 0) {
        std::cout << "lab: all " << tests.total_test_count() << " tests ran and passed"
                  << std::endl;
    }
    return failed;
}
