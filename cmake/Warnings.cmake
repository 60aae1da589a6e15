# Strict warnings, for the people working on the project: someone who only consumes it gets a quiet
# build. The presets make them errors under CI, through CMAKE_COMPILE_WARNING_AS_ERROR.
option(BATTLE_WARNINGS "Compile with strict warnings" ${PROJECT_IS_TOP_LEVEL})

# What GCC and Clang, clang-cl included, check beyond -Wall -Wextra (to MSVC, /W4).
set(strict -Wpedantic -Wconversion -Wsign-conversion -Wshadow -Wold-style-cast)

if(MSVC)  # MSVC, and clang-cl, which takes MSVC's command line
    # The standard's std::strerror and std::getenv, which MSVC deprecates for its own (C4996).
    target_compile_definitions(battle_options INTERFACE _CRT_SECURE_NO_WARNINGS)
    if(BATTLE_WARNINGS AND CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        # clang-cl ignores MSVC's /wN switches but takes Clang's own warnings.
        target_compile_options(battle_options INTERFACE /W4 /permissive- ${strict})
    elseif(BATTLE_WARNINGS)
        # MSVC's off-by-default warnings closest to the list above: narrowing conversions.
        target_compile_options(battle_options INTERFACE /W4 /permissive- /w14242 /w14254 /w14826)
    endif()
elseif(BATTLE_WARNINGS AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    target_compile_options(battle_options INTERFACE -Wall -Wextra ${strict})
elseif(BATTLE_WARNINGS)
    message(WARNING "Strict warnings are set up for GCC, Clang and MSVC only")
endif()
