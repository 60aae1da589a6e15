# Runs a program (the battle, or an example of the guide) and checks the whole of what it does.
#   -DPROGRAM=<program> -DEXPECTED=<file with the exact expected stdout> -DMODE=<mode>
#   [-DSECTION=<name>]: the expected stdout is instead the fenced block that follows the line
#   "<!-- output of NAME -->" in EXPECTED, a Markdown file
# Modes:
#   plain          no arguments: stdout equals EXPECTED byte for byte, exit 0, empty stderr
#   junk_args      the same, with arguments the program must ignore
#   full           stdout is /dev/full: exit 1 and one line on stderr that says why
#   closed         stdout is closed: exit 1 and one line on stderr that says why
#   out_of_memory  with -DPRELOAD=<failing_new_preload>: for every k, one run whose k-th
#                  allocation fails and one whose allocations all fail from the k-th on; each
#                  exits 1 with one line on stderr and a whole-line prefix of EXPECTED on
#                  stdout, until k passes the last allocation and the run is plain again

foreach(var PROGRAM EXPECTED MODE)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "run_program.cmake: -D${var}=... is required")
    endif()
endforeach()
file(READ "${EXPECTED}" expected)
if(DEFINED SECTION)
    set(marker "<!-- output of ${SECTION} -->\n```text\n")
    string(FIND "${expected}" "${marker}" start)
    if(start EQUAL -1)
        message(FATAL_ERROR "run_program.cmake: no '<!-- output of ${SECTION} -->' block")
    endif()
    string(LENGTH "${marker}" length)
    math(EXPR start "${start} + ${length}")
    string(SUBSTRING "${expected}" ${start} -1 expected)
    string(FIND "${expected}" "```" end)
    string(SUBSTRING "${expected}" 0 ${end} expected)
endif()

set(failed FALSE)
macro(fail what)
    message(SEND_ERROR "${what}")
    set(failed TRUE)
endmacro()

# Runs the command that follows the arguments and checks its exit status, its stderr and,
# unless stdout_rule is "none", its stdout: "exact" (equal to EXPECTED) or "prefix" (whole
# lines that begin EXPECTED). With "prefix_or_whole", a run that exits 0 must be plain instead:
# empty stderr and the exact stdout. Sets last_rc to the exit status.
function(check_run label expected_rc expected_err stdout_rule)
    execute_process(COMMAND ${ARGN} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
    set(last_rc ${rc} PARENT_SCOPE)
    if(stdout_rule STREQUAL "prefix_or_whole" AND rc STREQUAL "0")
        set(expected_rc 0)
        set(expected_err "")
        set(stdout_rule exact)
    elseif(stdout_rule STREQUAL "prefix_or_whole")
        set(stdout_rule prefix)
    endif()
    if(NOT rc STREQUAL expected_rc)
        fail("${label}: exit status: expected ${expected_rc}, got '${rc}'")
    endif()
    if(NOT err STREQUAL expected_err)
        fail("${label}: stderr: expected '${expected_err}', got '${err}'")
    endif()
    if(stdout_rule STREQUAL "prefix")
        string(LENGTH "${out}" length)
        string(SUBSTRING "${expected}" 0 ${length} start)
        if(NOT out STREQUAL start OR NOT (length EQUAL 0 OR out MATCHES "\n$"))
            fail("${label}: stdout is not whole lines from the start of ${EXPECTED}:\n${out}")
        endif()
    elseif(stdout_rule STREQUAL "exact" AND NOT out STREQUAL expected)
        string(RANDOM LENGTH 8 tag)
        set(actual_file "${CMAKE_CURRENT_BINARY_DIR}/actual-${tag}.txt")
        file(WRITE "${CMAKE_CURRENT_BINARY_DIR}/expected-${tag}.txt" "${expected}")
        file(WRITE "${actual_file}" "${out}")
        execute_process(COMMAND diff -u "${CMAKE_CURRENT_BINARY_DIR}/expected-${tag}.txt"
                                "${actual_file}" OUTPUT_VARIABLE diff)
        file(REMOVE "${actual_file}" "${CMAKE_CURRENT_BINARY_DIR}/expected-${tag}.txt")
        fail("${label}: stdout differs from what ${EXPECTED} expects:\n${diff}")
    endif()
    set(failed ${failed} PARENT_SCOPE)
endfunction()

set(cannot_write "battle: cannot write to standard output")
if(MODE STREQUAL "plain")
    check_run(plain 0 "" exact "${PROGRAM}")
elseif(MODE STREQUAL "junk_args")
    check_run(junk_args 0 "" exact "${PROGRAM}" --help -v "two words" "" "--level=99" "\\xff")
elseif(MODE STREQUAL "full")
    check_run(full 1 "${cannot_write}: No space left on device\n" none
              sh -c "exec \"$0\" >/dev/full" "${PROGRAM}")
elseif(MODE STREQUAL "closed")
    check_run(closed 1 "${cannot_write}: Bad file descriptor\n" none
              sh -c "exec \"$0\" >&-" "${PROGRAM}")
elseif(MODE STREQUAL "out_of_memory")
    set(preload ${CMAKE_COMMAND} -E env "LD_PRELOAD=${PRELOAD}")
    set(out_of_memory "battle: out of memory\n")
    foreach(k RANGE 1 200)
        # Once k is past the last allocation, the run is plain again, and the loop ends.
        check_run("allocation ${k} failing" 1 "${out_of_memory}" prefix_or_whole ${preload}
                  BATTLE_FAIL_NEW=${k} "${PROGRAM}")
        if(last_rc STREQUAL "0")
            set(past_the_last ${k})
            break()
        endif()
        check_run("allocations from ${k} on failing" 1 "${out_of_memory}" prefix ${preload}
                  BATTLE_FAIL_NEW=${k}+ "${PROGRAM}")
    endforeach()
    if(NOT DEFINED past_the_last)
        fail("the run makes more than 200 allocations")
    elseif(past_the_last EQUAL 1)
        fail("no allocation was made to fail: is ${PRELOAD} preloaded?")
    endif()
else()
    message(FATAL_ERROR "run_program.cmake: unknown MODE '${MODE}'")
endif()

if(failed)
    message(FATAL_ERROR "${PROGRAM} (${MODE}): FAILED")
endif()
message(STATUS "${PROGRAM} (${MODE}): stdout, stderr and exit status as expected")
