# Runs a program and checks what it does: its exit status, its standard output byte for byte,
# and its standard error.
#   -DPROGRAM=<the command: a cross build's emulator, if any, then the program>
#   -DSYSTEM=<CMAKE_SYSTEM_NAME>  the system it was built for: Windows ends lines with CR LF
#   [-DEXPECT=<file>]    its standard output must be these bytes; without it, it is not looked at
#   [-DHINT=<text>]      what to do when the standard output differs
#   [-DRC=<status>]      the exit status, 0 unless given
#   [-DSTDERR=<regex>]   its standard error is one line that matches; unless given, it is empty
#   [-DJUNK_ARGS=ON]     run it with arguments that it must ignore
#   [-DMODE=out_of_memory]  PROGRAM is the battle linked with the failing operator new. For
#     every k: a run whose k-th allocation fails, and one whose allocations all fail from the
#     k-th on, must each exit 1 saying so, having written whole lines from the start of EXPECT;
#     a run that ends at once at its k-th allocation, flushing nothing, must have written the
#     same as the first, so every line left the program as it was written. The loop ends when
#     k passes the last allocation and the run is the plain one again.
cmake_minimum_required(VERSION 3.25)
if(SYSTEM STREQUAL "Windows")
    set(nl "\r\n")
else()
    set(nl "\n")
endif()
string(RANDOM LENGTH 8 tag)
set(scratch "${CMAKE_CURRENT_BINARY_DIR}/run_program-${tag}")
file(MAKE_DIRECTORY "${scratch}")
set(failed FALSE)

# Runs the command given after `label`, its standard output and error going to files.
function(run label)
    set(out "${scratch}/${label}.out")
    execute_process(COMMAND ${ARGN} OUTPUT_FILE "${out}" ERROR_FILE "${scratch}/${label}.err"
                    RESULT_VARIABLE got)
    set(last_label "${label}" PARENT_SCOPE)
    set(last_rc "${got}" PARENT_SCOPE)
    set(last_out "${out}" PARENT_SCOPE)
endfunction()

# Fails unless the last run exited with `rc` and, where `err` is given, its standard error is
# empty (an empty `err`) or one line that matches `err`.
function(expect rc)
    # file(READ) drops a CR, so whether the line ends with the newline is read as hex.
    file(READ "${scratch}/${last_label}.err" err_hex HEX)
    file(READ "${scratch}/${last_label}.err" err)
    string(HEX "${nl}" nl_hex)
    if(NOT last_rc STREQUAL rc)
        message(SEND_ERROR "${last_label}: exit status ${last_rc}, not ${rc}; stderr: ${err}")
        set(failed TRUE PARENT_SCOPE)
    elseif(ARGC GREATER 1 AND NOT (ARGV1 STREQUAL "" AND err_hex STREQUAL "")
           AND NOT (err_hex MATCHES "${nl_hex}$" AND err MATCHES "^${ARGV1}\n$"))
        message(SEND_ERROR "${last_label}: standard error is not one line matching "
                           "'${ARGV1}': ${err}")
        set(failed TRUE PARENT_SCOPE)
    endif()
endfunction()

# Fails, with a diff where there is a diff program, unless the files have the same bytes.
function(compare label want got)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${want}" "${got}"
                    RESULT_VARIABLE differs)
    if(differs)
        find_program(diff diff)
        if(diff)
            execute_process(COMMAND "${diff}" -u --text "${want}" "${got}")
        endif()
        message(SEND_ERROR "${label}: standard output differs from ${want}. ${HINT}")
        set(failed TRUE PARENT_SCOPE)
    endif()
endfunction()

# Fails unless the last run wrote whole lines from the start of EXPECT.
function(expect_prefix)
    file(READ "${EXPECT}" want HEX)
    file(READ "${last_out}" got HEX)
    string(HEX "${nl}" nl_hex)
    string(LENGTH "${got}" length)
    string(SUBSTRING "${want}" 0 ${length} start)
    if(NOT got STREQUAL start OR NOT (length EQUAL 0 OR got MATCHES "${nl_hex}$"))
        compare("${last_label}: not whole lines from its start" "${EXPECT}" "${last_out}")
        set(failed TRUE PARENT_SCOPE)
    endif()
endfunction()

if(NOT DEFINED RC)
    set(RC 0)
endif()
if(NOT DEFINED STDERR)
    set(STDERR "")
endif()
if(MODE STREQUAL "out_of_memory")
    set(oom "battle: out of memory")
    foreach(k RANGE 1 200)
        set(failing ${CMAKE_COMMAND} -E env BATTLE_FAIL_NEW=${k})
        run("allocation ${k} failing" ${failing} ${PROGRAM})
        if(last_rc EQUAL 0)
            break()  # past the last allocation: the plain run, checked below
        endif()
        expect(1 "${oom}")
        expect_prefix()
        set(once "${last_out}")
        run("ending at allocation ${k}" ${failing}! ${PROGRAM})
        expect(3)
        compare("${last_label}, unlike the run whose allocation ${k} failed," "${once}"
                "${last_out}")
        run("allocations from ${k} on failing" ${failing}+ ${PROGRAM})
        expect(1 "${oom}")
        expect_prefix()
    endforeach()
    if(k EQUAL 1 OR NOT last_rc EQUAL 0)
        message(SEND_ERROR "the run made no allocation to fail, or more than 200")
        set(failed TRUE)
    endif()
endif()

if(JUNK_ARGS)
    set(args --help -v "two words" "" "--level=99" "\\xff")
endif()
run(run ${PROGRAM} ${args})
expect(${RC} "${STDERR}")
if(DEFINED EXPECT)
    compare(run "${EXPECT}" "${last_out}")
endif()
if(failed)
    message(FATAL_ERROR "${PROGRAM}: failed; its output is kept in ${scratch}")
endif()
file(REMOVE_RECURSE "${scratch}")
