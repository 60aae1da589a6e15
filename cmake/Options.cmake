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

# clang-cl is Clang with MSVC's command line, so the command line decides, not the compiler.
if(CMAKE_CXX_COMPILER_ID STREQUAL "MSVC" OR CMAKE_CXX_COMPILER_FRONTEND_VARIANT STREQUAL "MSVC")
    set(battle_msvc_cli TRUE)
elseif(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    set(battle_gnu_cli TRUE)
endif()
if(BATTLE_FUZZ AND NOT (battle_gnu_cli AND CMAKE_CXX_COMPILER_ID MATCHES "Clang"))
    message(FATAL_ERROR "BATTLE_FUZZ needs clang++")
endif()

add_library(battle_options INTERFACE)

# What GCC and Clang, clang-cl included, check beyond -Wall -Wextra (to MSVC, /W4).
set(battle_strict_warnings -Wpedantic -Wconversion -Wsign-conversion -Wshadow -Wold-style-cast)

if(battle_gnu_cli)
    if(BATTLE_WARNINGS)
        target_compile_options(battle_options INTERFACE -Wall -Wextra ${battle_strict_warnings})
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
elseif(battle_msvc_cli)
    if(BATTLE_WARNINGS)
        target_compile_options(battle_options INTERFACE /W4 /permissive-)
        if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
            # clang-cl ignores MSVC's /wN switches but takes Clang's own warnings. (-Wall means
            # -Weverything to it, so /W4 stands for -Wall -Wextra.)
            target_compile_options(battle_options INTERFACE ${battle_strict_warnings})
        else()
            # MSVC's off-by-default warnings closest to the list above: narrowing conversions
            # (C4242, C4254, C4826). A shadowed or unused name is already in /W4.
            target_compile_options(battle_options INTERFACE /w14242 /w14254 /w14826)
        endif()
    endif()
    # The standard's std::strerror and std::getenv, which MSVC deprecates for its own (C4996).
    target_compile_definitions(battle_options INTERFACE _CRT_SECURE_NO_WARNINGS)
elseif(BATTLE_WARNINGS)
    message(WARNING "Strict warnings are set up for GCC, Clang and MSVC only")
endif()
if(BATTLE_SANITIZE AND NOT battle_gnu_cli)
    message(FATAL_ERROR "BATTLE_SANITIZE is set up for GCC and Clang only")
endif()
