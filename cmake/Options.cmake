# Build options and the flags they bring. Flags reach a target only through the interface
# library battle_options, which each of the project's own targets links privately.

# Strict warnings are for the people working on the project; someone who only consumes it
# gets a quiet build.
option(BATTLE_WARNINGS "Compile with strict warnings" ${PROJECT_IS_TOP_LEVEL})

# CI treats every warning as an error; so can anyone else, with -DBATTLE_WERROR=ON.
if(DEFINED ENV{CI} AND "$ENV{CI}")
    set(battle_werror_default ON)
else()
    set(battle_werror_default OFF)
endif()
option(BATTLE_WERROR "Treat warnings as errors" ${battle_werror_default})

option(BATTLE_SANITIZE "Instrument everything with AddressSanitizer and UBSan" OFF)
option(BATTLE_TESTS "Build the tests" ${PROJECT_IS_TOP_LEVEL})
# The libFuzzer target needs clang++; it instruments every target for coverage.
option(BATTLE_FUZZ "Build the libFuzzer target (clang++ only)" OFF)
if(BATTLE_FUZZ AND NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "BATTLE_FUZZ needs clang++")
endif()

# Almost all of what one run of battle costs is the dynamic loader and the start-up of the
# shared C and C++ runtimes, not the battle. A fully static executable skips both: it executes
# fewer instructions than a minimal dynamically linked C program writing the same lines. The
# price is a larger file, a fixed load address (static-pie would relocate itself, at about
# half as much again) and no shared runtime for packagers, who can turn this off. Sanitizer
# runtimes need dynamic linking, so sanitized builds never link statically.
include(CMakeDependentOption)
cmake_dependent_option(BATTLE_STATIC "Link battle as a fully static executable" ON
                       "NOT BATTLE_SANITIZE" OFF)
if(BATTLE_STATIC)
    include(CheckLinkerFlag)
    check_linker_flag(CXX -static battle_can_link_static)
    if(NOT battle_can_link_static)
        message(WARNING "No static C and C++ runtimes here (libc6-dev, libstdc++-dev); "
                        "battle is linked dynamically")
    endif()
endif()

add_library(battle_options INTERFACE)

if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    if(BATTLE_WARNINGS)
        target_compile_options(
            battle_options
            INTERFACE -Wall
                      -Wextra
                      -Wpedantic
                      -Wconversion
                      -Wsign-conversion
                      -Wshadow
                      -Wold-style-cast
                      $<$<BOOL:${BATTLE_WERROR}>:-Werror>)
    endif()
    if(BATTLE_SANITIZE)
        set(battle_sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all)
        target_compile_options(battle_options INTERFACE ${battle_sanitizers}
                                                        -fno-omit-frame-pointer)
        target_link_options(battle_options INTERFACE ${battle_sanitizers})
    endif()
    if(BATTLE_FUZZ)
        target_compile_options(battle_options INTERFACE -fsanitize=fuzzer-no-link)
    endif()
elseif(BATTLE_WARNINGS OR BATTLE_SANITIZE)
    message(WARNING "Warnings and sanitizers are set up for GCC and Clang only")
endif()
