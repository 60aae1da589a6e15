# Strict warnings where the project is built on its own; the presets make them errors under CI.
option(BATTLE_WARNINGS "Compile with strict warnings" ${PROJECT_IS_TOP_LEVEL})
# What GCC and Clang check beyond -Wall -Wextra (the docs' checks use the list too).
set(strict -Wpedantic -Wconversion -Wsign-conversion -Wshadow -Wold-style-cast)
if(MSVC)
    # The standard's std::strerror and std::getenv, which MSVC deprecates for its own (C4996).
    target_compile_definitions(battle_options INTERFACE _CRT_SECURE_NO_WARNINGS)
endif()
if(BATTLE_WARNINGS AND MSVC)  # and the off-by-default ones closest to `strict`: narrowing
    target_compile_options(battle_options INTERFACE /W4 /permissive- /w14242 /w14254 /w14826)
elseif(BATTLE_WARNINGS)
    target_compile_options(battle_options INTERFACE -Wall -Wextra ${strict})
endif()
