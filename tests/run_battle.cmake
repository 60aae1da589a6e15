# Runs the battle program once and checks the whole of what it does.
#   -DBATTLE=<program> -DEXPECTED=<file with the exact expected stdout> -DMODE=<mode>
# Modes:
#   plain      no arguments: stdout equals EXPECTED byte for byte, exit 0, empty stderr
#   junk_args  the same, with arguments the program must ignore

foreach(var BATTLE EXPECTED MODE)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "run_battle.cmake: -D${var}=... is required")
    endif()
endforeach()

set(args)
if(MODE STREQUAL "junk_args")
    set(args --help -v "two words" "" "--level=99" "\\xff")
elseif(NOT MODE STREQUAL "plain")
    message(FATAL_ERROR "run_battle.cmake: unknown MODE '${MODE}'")
endif()

execute_process(
    COMMAND "${BATTLE}" ${args}
    OUTPUT_VARIABLE out
    ERROR_VARIABLE err
    RESULT_VARIABLE rc)

set(failed FALSE)
if(NOT rc STREQUAL "0")
    message(SEND_ERROR "exit status: expected 0, got '${rc}'")
    set(failed TRUE)
endif()
if(NOT err STREQUAL "")
    message(SEND_ERROR "stderr: expected nothing, got:\n${err}")
    set(failed TRUE)
endif()
file(READ "${EXPECTED}" expected)
if(NOT out STREQUAL expected)
    string(RANDOM LENGTH 8 tag)
    set(actual_file "${CMAKE_CURRENT_BINARY_DIR}/battle-actual-${tag}.txt")
    file(WRITE "${actual_file}" "${out}")
    execute_process(COMMAND diff -u "${EXPECTED}" "${actual_file}" OUTPUT_VARIABLE diff)
    file(REMOVE "${actual_file}")
    message(SEND_ERROR "stdout differs from ${EXPECTED}:\n${diff}")
    set(failed TRUE)
endif()
if(failed)
    message(FATAL_ERROR "battle (${MODE}): FAILED")
endif()
message(STATUS "battle (${MODE}): stdout, stderr and exit status as expected")
