# Runs a program (the battle, or an example of the guide) and checks the whole of what it does,
# byte for byte: its standard output and standard error are captured in files and compared as
# bytes, with each expected line ended by the platform's newline.
#   -DPROGRAM=<program>  -DMODE=<mode>
#   -DSYSTEM=<the system PROGRAM was built for, CMAKE_SYSTEM_NAME>: Windows ends lines with CR LF
#   [-DEMULATOR=<command that runs PROGRAM>]: a cross build's emulator, as CTest would use it
#   [-DEXPECTED=<file>]: the exact expected standard output, with LF endings
#   [-DSECTION=<name>]: the expected output is instead the fenced block that follows the line
#     "<!-- output of NAME -->" in EXPECTED, a Markdown file
# Modes:
#   plain          no arguments: stdout is EXPECTED, exit 0, empty stderr
#   junk_args      the same, with arguments the program must ignore
#   run            no arguments: exit 0 and empty stderr; stdout is not compared (and says so)
#   full           stdout is /dev/full: exit 1 and one line on stderr that says why
#   closed         stdout is closed: exit 1 and one line on stderr that says why
#   out_of_memory  PROGRAM is the battle linked with the failing operator new. For every k: one
#                  run whose k-th allocation fails and one whose allocations all fail from the
#                  k-th on, each exiting 1 with one line on stderr and whole lines from the start
#                  of EXPECTED on stdout; and one run that ends at once, without flushing
#                  anything, at its k-th allocation, whose stdout must hold every line written
#                  before it. The loop ends when k passes the last allocation and the run is
#                  plain again.
#   unreadable     PROGRAM is the fuzz replay, given -DREADABLE=<input> and one that does not
#                  exist: exit 1 and its own message about the second on stderr
# A mode that the platform cannot run is reported as skipped: the test's SKIP_REGULAR_EXPRESSION
# matches "skipped: ". Full and closed need sh, and full also /dev/full.

foreach(var PROGRAM MODE SYSTEM)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "run_program.cmake: -D${var}=... is required")
    endif()
endforeach()
if(SYSTEM STREQUAL "Windows")
    set(nl "\r\n")
else()
    set(nl "\n")
endif()

# Returns, in `out`, the bytes of `text` as hex, with each LF made the platform's newline.
function(to_hex out text)
    string(REPLACE "\n" "${nl}" text "${text}")
    string(HEX "${text}" hex)
    set(${out} "${hex}" PARENT_SCOPE)
endfunction()

if(DEFINED EXPECTED)
    # file(READ) drops CRs, so a checkout with CR LF endings reads as LF.
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
    to_hex(expected_hex "${expected}")
endif()

# A mode that this platform cannot run ends here, before anything is made.
if(MODE STREQUAL "full" OR MODE STREQUAL "closed")
    find_program(sh sh)
    if(NOT sh)
        message(STATUS "skipped: there is no sh to redirect standard output with")
        return()
    elseif(MODE STREQUAL "full" AND NOT EXISTS /dev/full)
        message(STATUS "skipped: there is no /dev/full")
        return()
    endif()
endif()

string(RANDOM LENGTH 8 tag)
set(scratch "${CMAKE_CURRENT_BINARY_DIR}/run_program-${tag}")
file(MAKE_DIRECTORY "${scratch}")
set(failed FALSE)
if(DEFINED EXPECTED)
    string(REPLACE "\n" "${nl}" expected_text "${expected}")
    file(WRITE "${scratch}/expected" "${expected_text}")
endif()
macro(fail what)
    message(SEND_ERROR "${what}")
    set(failed TRUE)
endmacro()

# Fails, showing where `actual_file` parts from the bytes `want_hex`: the first byte that
# differs, which shows a CR or a NUL as well as where no diff program is at hand, and before it
# a diff of the lines against `want_file` where one is.
function(describe_difference label actual_file want_hex want_file)
    file(READ "${actual_file}" got_hex HEX)
    string(LENGTH "${got_hex}" got_length)
    string(LENGTH "${want_hex}" want_length)
    set(i 0)
    while(i LESS got_length AND i LESS want_length)
        string(SUBSTRING "${got_hex}" ${i} 2 got_byte)
        string(SUBSTRING "${want_hex}" ${i} 2 want_byte)
        if(NOT got_byte STREQUAL want_byte)
            break()
        endif()
        math(EXPR i "${i} + 2")
    endwhile()
    math(EXPR offset "${i} / 2")
    set(got "the end")
    set(want "the end")
    if(i LESS got_length)
        string(SUBSTRING "${got_hex}" ${i} 2 got)
        set(got "0x${got}")
    endif()
    if(i LESS want_length)
        string(SUBSTRING "${want_hex}" ${i} 2 want)
        set(want "0x${want}")
    endif()
    find_program(diff_program diff)
    if(diff_program)
        execute_process(COMMAND "${diff_program}" -u --text "${want_file}" "${actual_file}")
    endif()
    fail("${label} differs from byte ${offset} on: expected ${want}, got ${got}")
    set(failed ${failed} PARENT_SCOPE)
endfunction()

# Runs the command that follows the arguments with stdout and stderr in files, and checks its
# exit status, its stderr (the bytes of the text `expected_err`, or, after STDERR matches, text
# that matches the regular expression `expected_err`) and its stdout by `stdout_rule`:
#   exact     the bytes of EXPECTED
#   prefix    whole lines from the start of EXPECTED
#   same_as   the bytes of the file given after SAME_AS
#   none      not checked
# With stdout_rule "prefix_or_whole", a run that exits 0 must be plain instead: empty stderr and
# the exact stdout. Sets last_rc to the exit status and last_out to stdout's file.
function(check_run label expected_rc expected_err stdout_rule)
    cmake_parse_arguments(PARSE_ARGV 4 run "" "STDERR;SAME_AS" "")
    set(out_file "${scratch}/${label}.out")
    set(err_file "${scratch}/${label}.err")
    string(REPLACE " " "_" out_file "${out_file}")
    string(REPLACE " " "_" err_file "${err_file}")
    execute_process(COMMAND ${run_UNPARSED_ARGUMENTS} OUTPUT_FILE "${out_file}"
                    ERROR_FILE "${err_file}" RESULT_VARIABLE rc)
    set(last_rc ${rc} PARENT_SCOPE)
    set(last_out "${out_file}" PARENT_SCOPE)
    if(stdout_rule STREQUAL "prefix_or_whole" AND rc STREQUAL "0")
        set(expected_rc 0)
        set(expected_err "")
        set(run_STDERR "")
        set(stdout_rule exact)
    elseif(stdout_rule STREQUAL "prefix_or_whole")
        set(stdout_rule prefix)
    endif()
    if(NOT rc STREQUAL expected_rc)
        fail("${label}: exit status: expected ${expected_rc}, got '${rc}'")
    endif()
    if(run_STDERR STREQUAL "matches")
        file(READ "${err_file}" err)
        if(NOT err MATCHES "${expected_err}")
            fail("${label}: stderr does not match '${expected_err}':\n${err}")
        endif()
    else()
        to_hex(want_err_hex "${expected_err}")
        file(READ "${err_file}" err_hex HEX)
        if(NOT err_hex STREQUAL want_err_hex)
            file(READ "${err_file}" err)
            fail("${label}: stderr: expected '${expected_err}' (${want_err_hex}), "
                 "got '${err}' (${err_hex})")
        endif()
    endif()
    file(READ "${out_file}" out_hex HEX)
    if(stdout_rule STREQUAL "exact")
        if(NOT out_hex STREQUAL expected_hex)
            describe_difference("${label}: stdout" "${out_file}" "${expected_hex}"
                                "${scratch}/expected")
        endif()
    elseif(stdout_rule STREQUAL "prefix")
        string(LENGTH "${out_hex}" length)
        string(SUBSTRING "${expected_hex}" 0 ${length} start)
        to_hex(nl_hex "\n")
        string(LENGTH "${nl_hex}" nl_length)
        set(tail "")
        if(length GREATER_EQUAL nl_length)
            math(EXPR from "${length} - ${nl_length}")
            string(SUBSTRING "${out_hex}" ${from} -1 tail)
        endif()
        if(NOT out_hex STREQUAL start OR NOT (length EQUAL 0 OR tail STREQUAL nl_hex))
            describe_difference("${label}: stdout, not whole lines from the start of EXPECTED,"
                                "${out_file}" "${expected_hex}" "${scratch}/expected")
        endif()
    elseif(stdout_rule STREQUAL "same_as")
        file(READ "${run_SAME_AS}" previous_hex HEX)
        if(NOT out_hex STREQUAL previous_hex)
            describe_difference("${label}: stdout, unlike that of the run before,"
                                "${out_file}" "${previous_hex}" "${run_SAME_AS}")
        endif()
    endif()
    set(failed ${failed} PARENT_SCOPE)
endfunction()

set(program ${EMULATOR} "${PROGRAM}")
set(cannot_write "battle: cannot write to standard output")
if(MODE STREQUAL "plain")
    check_run(plain 0 "" exact ${program})
elseif(MODE STREQUAL "junk_args")
    check_run(junk_args 0 "" exact ${program} --help -v "two words" "" "--level=99" "\\xff")
elseif(MODE STREQUAL "run")
    check_run(run 0 "" none ${program})
    message(STATUS "only run: the output is not compared on this platform")
elseif(MODE STREQUAL "full")
    check_run(full 1 "${cannot_write}: No space left on device\n" none
              "${sh}" -c "exec \"$@\" >/dev/full" sh ${program})
elseif(MODE STREQUAL "closed")
    check_run(closed 1 "${cannot_write}: Bad file descriptor\n" none
              "${sh}" -c "exec \"$@\" >&-" sh ${program})
elseif(MODE STREQUAL "out_of_memory")
    set(out_of_memory "battle: out of memory\n")
    foreach(k RANGE 1 200)
        set(failing ${CMAKE_COMMAND} -E env BATTLE_FAIL_NEW=${k})
        # Once k is past the last allocation, the run is plain again, and the loop ends.
        check_run("allocation ${k} failing" 1 "${out_of_memory}" prefix_or_whole ${failing}
                  ${program})
        if(last_rc STREQUAL "0")
            set(past_the_last ${k})
            break()
        endif()
        check_run("ending at allocation ${k}" 3 ".*" same_as STDERR matches SAME_AS "${last_out}"
                  ${failing}! ${program})
        check_run("allocations from ${k} on failing" 1 "${out_of_memory}" prefix
                  ${failing}+ ${program})
    endforeach()
    if(NOT DEFINED past_the_last)
        fail("the run makes more than 200 allocations")
    elseif(past_the_last EQUAL 1)
        fail("no allocation was made to fail: does ${PROGRAM} replace operator new?")
    endif()
elseif(MODE STREQUAL "unreadable")
    check_run(unreadable 1 "^cannot read \"[^\"]*no-such-input\"\n$" none STDERR matches
              ${program} "${READABLE}" "${CMAKE_CURRENT_BINARY_DIR}/no-such-input")
else()
    message(FATAL_ERROR "run_program.cmake: unknown MODE '${MODE}'")
endif()

if(failed)
    message(FATAL_ERROR "${PROGRAM} (${MODE}): FAILED; its output is kept in ${scratch}")
endif()
file(REMOVE_RECURSE "${scratch}")
message(STATUS "${PROGRAM} (${MODE}): stdout, stderr and exit status as expected")
