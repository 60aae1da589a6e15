# GoogleTest: the system's; else its sources, from the environment's GOOGLETEST_SOURCE_DIR or
# Debian's /usr/src/googletest (package googletest); else release 1.12.1, downloaded.
include(FetchContent)
find_package(GTest QUIET)
if(NOT GTest_FOUND)
    find_path(FETCHCONTENT_SOURCE_DIR_GOOGLETEST CMakeLists.txt NO_DEFAULT_PATH
              NO_CMAKE_FIND_ROOT_PATH PATHS ENV GOOGLETEST_SOURCE_DIR /usr/src/googletest)
    set(BATTLE_GOOGLETEST_URL
        https://github.com/google/googletest/archive/refs/tags/release-1.12.1.tar.gz CACHE STRING
        "Where the tests download GoogleTest from, when the system has neither it nor its sources")
    set(BATTLE_GOOGLETEST_SHA256 81964fe578e9bd7c94dfdb09c8e4d6e6759e19967e397dbea48d1c10e45d0df2
        CACHE STRING "The SHA-256 of that archive")
    # SYSTEM first: CMake 3.25 takes a keyword after URL_HASH's value as part of the value.
    FetchContent_Declare(googletest SYSTEM URL ${BATTLE_GOOGLETEST_URL}
                         URL_HASH SHA256=${BATTLE_GOOGLETEST_SHA256})
    set(INSTALL_GTEST OFF)
    set(BUILD_GMOCK OFF)
    set(gtest_force_shared_crt ON)  # MSVC: the runtime library that the tests link
    block()  # not our code: no warnings as errors, no clang-tidy (its headers: SYSTEM)
        set(CMAKE_COMPILE_WARNING_AS_ERROR OFF)
        set(CMAKE_CXX_CLANG_TIDY "")
        FetchContent_MakeAvailable(googletest)
    endblock()
endif()
include(GoogleTest)
