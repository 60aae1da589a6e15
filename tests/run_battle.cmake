# Runs the battle program once and checks the whole of what it does.
#   -DBATTLE=<program> -DEXPECTED=<file with the exact expected stdout> -DMODE=<mode>
# Modes:
#   plain      no arguments: stdout equals EXPECTED byte for byte, exit 0, empty stderr
#   junk_args  the same, with arguments the program must ignore
#   full       stdout is /dev/full: exit 1 and one line on stderr that says why
#   closed     stdout is closed: exit 1 and one line on stderr that says why

foreach(var BATTLE EXPECTED MODE)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "run_battle.cmake: -D${var}=... is required")
    endif()
endforeach()

set(args)
set(command "${BATTLE}")
set(redirect)
set(expected_rc 0)
set(expected_err "")
set(check_stdout TRUE)
if(MODE STREQUAL "plain")
elseif(MODE STREQUAL "junk_args")
    set(args --help -v "two words" "" "--level=99" "\\xff")
elseif(MODE STREQUAL "full")
    set(redirect OUTPUT_FILE /dev/full)
    set(check_stdout FALSE)
    set(expected_rc 1)
    set(expected_err "battle: cannot write to standard output: No space left on device\n")
elseif(MODE STREQUAL "closed")
    set(command sh -c "exec \"$0\" >&-" "${BATTLE}")
    set(check_stdout FALSE)
    set(expected_rc 1)
    set(expected_err "battle: cannot write to standard output: Bad file descriptor\n")
else()
    message(FATAL_ERROR "run_battle.cmake: unknown MODE '${MODE}'")
endif()

if(check_stdout)
    set(redirect OUTPUT_VARIABLE out)
endif()
execute_process(
    COMMAND ${command} ${args} ${redirect}
    ERROR_VARIABLE err
    RESULT_VARIABLE rc)

set(failed FALSE)
if(NOT rc STREQUAL expected_rc)
    message(SEND_ERROR "exit status: expected ${expected_rc}, got '${rc}'")
    set(failed TRUE)
endif()
if(NOT err STREQUAL expected_err)
    message(SEND_ERROR "stderr: expected '${expected_err}', got '${err}'")
    set(failed TRUE)
endif()
file(READ "${EXPECTED}" expected)
if(check_stdout AND NOT out STREQUAL expected)
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
