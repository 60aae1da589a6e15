# Build options and the flags they bring. Flags reach a target only through the interface
# library battle_options, which each of the project's own targets links privately. Warnings as
# errors are CMake's own switch, CMAKE_COMPILE_WARNING_AS_ERROR, which the presets set from CI.

# Strict warnings are for the people working on the project; someone who only consumes it
# gets a quiet build.
option(BATTLE_WARNINGS "Compile with strict warnings" ${PROJECT_IS_TOP_LEVEL})

option(BATTLE_SANITIZE "Instrument everything with AddressSanitizer and UBSan" OFF)
# Off unless asked for (the dev presets do), so that running the battle needs no GoogleTest.
option(BATTLE_TESTS "Build the tests (GoogleTest: the system's, or fetched)" OFF)
# The libFuzzer target needs clang++; it instruments every target for coverage.
option(BATTLE_FUZZ "Build the libFuzzer target (clang++ only)" OFF)
if(BATTLE_FUZZ AND NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "BATTLE_FUZZ needs clang++")
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
                      -Wold-style-cast)
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
