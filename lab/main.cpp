// The main of every exercise's tests: a run passes only when every test ran and passed, so a
// filter or an early exit fails it; its last line, which lab/grade.cmake requires, catches even
// std::_Exit. Being a source of the program, it keeps a student's own main from linking.
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
