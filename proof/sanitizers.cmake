# AddressSanitizer and UBSan over every target (the asan preset), and the coverage that
# libFuzzer needs (the fuzz preset). GCC's and Clang's command line only.
option(BATTLE_SANITIZE "Instrument everything with AddressSanitizer and UBSan" OFF)
option(BATTLE_FUZZ "Build the libFuzzer target (clang++ only)" OFF)

if(BATTLE_SANITIZE AND (MSVC OR NOT CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
   OR BATTLE_FUZZ AND (MSVC OR NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang"))
    message(FATAL_ERROR "BATTLE_SANITIZE is set up for GCC and Clang, BATTLE_FUZZ for clang++")
endif()

if(BATTLE_SANITIZE)
    set(sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all)
    target_compile_options(battle_options INTERFACE ${sanitizers} -fno-omit-frame-pointer)
    target_link_options(battle_options INTERFACE ${sanitizers})
endif()
if(BATTLE_FUZZ)
    target_compile_options(battle_options INTERFACE -fsanitize=fuzzer-no-link)
endif()
