# 64-bit Windows with Debian's MinGW-w64 cross compiler (package g++-mingw-w64-x86-64, its
# POSIX-threads flavour). Programs built here run under wine64 (package wine64); CTest runs
# every test through it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)  # GoogleTest's project enables C
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The MinGW runtime linked in, so that a program runs without its DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# Debian puts wine64 outside PATH. Its debug messages would land on the standard error that the
# tests check; without Mono and Gecko it would offer to download them. The system's env sets its
# environment: `cmake -E env` would hand a closed standard output on as its own standard error.
find_program(BATTLE_WINE64 NAMES wine64 PATHS /usr/lib/wine REQUIRED)
find_program(BATTLE_ENV env REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${BATTLE_ENV} WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
                                  ${BATTLE_WINE64})
