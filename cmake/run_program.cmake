# Runs a program and checks what it does: its exit status, its standard output byte for byte,
# and its standard error.
#   -DPROGRAM=<a cross build's emulator, if any, then the program>  -DSYSTEM=<CMAKE_SYSTEM_NAME>
#   [-DEXPECT=<file>]   its exact standard output (not looked at without it)
#   [-DHINT=<text>]     what to do when the standard output differs
#   [-DRC=<status>]     its exit status, 0 unless given
#   [-DSTDERR=<regex>]  its standard error is one line that matches; empty unless given
#   [-DJUNK_ARGS=ON]    runs it with arguments that it must ignore
#   [-DMODE=out_of_memory]  PROGRAM is the battle linked with the failing operator new. For
#     every k, a run whose k-th allocation fails and one whose allocations fail from the k-th on
#     must exit 1 saying so, having written whole lines from the start of EXPECT; a run that ends
#     at its k-th allocation, flushing nothing, must have written the same as the first: every
#     line left the program as it was written. Past the last allocation, the run is plain.
cmake_minimum_required(VERSION 3.25)
string(HEX "\n" nl)
if(SYSTEM STREQUAL "Windows")
    string(HEX "\r\n" nl)
endif()
string(RANDOM LENGTH 8 tag)
set(dir "${CMAKE_CURRENT_BINARY_DIR}/run_program-${tag}")
file(MAKE_DIRECTORY "${dir}")
set(failed FALSE)
macro(fail)  # in a function called from the top
    message(SEND_ERROR ${ARGN})
    set(failed TRUE PARENT_SCOPE)
endmacro()

# Runs the command after `label`, its standard output and error going to label.out, label.err.
function(run label)
    execute_process(COMMAND ${ARGN} OUTPUT_FILE "${dir}/${label}.out"
                    ERROR_FILE "${dir}/${label}.err" RESULT_VARIABLE rc)
    set(last "${label}" PARENT_SCOPE)
    set(last_rc "${rc}" PARENT_SCOPE)
endfunction()

# Fails unless the last run exited with `rc` and, where `err` is given, wrote to standard error
# nothing (`err` empty) or one line that matches `err`.
function(expect rc)
    file(READ "${dir}/${last}.err" text)
    file(READ "${dir}/${last}.err" hex HEX)  # file(READ) drops a CR; hex keeps every byte
    if(NOT last_rc STREQUAL rc)
        fail("${last}: exit status ${last_rc}, not ${rc}; standard error: ${text}")
    elseif(ARGC GREATER 1 AND NOT (ARGV1 STREQUAL "" AND hex STREQUAL "")
           AND NOT (hex MATCHES "${nl}$" AND text MATCHES "^${ARGV1}\n$"))
        fail("${last}: standard error is not one line matching '${ARGV1}': ${text}")
    endif()
endfunction()

# Fails, with a diff where there is a diff program, unless `got` holds the bytes of `want`.
function(compare want got)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${want}" "${got}"
                    RESULT_VARIABLE differs)
    if(differs)
        find_program(diff diff)
        if(diff)
            execute_process(COMMAND "${diff}" -u --text "${want}" "${got}")
        endif()
        fail("${got}: standard output differs from ${want}. ${HINT}")
    endif()
endfunction()

# Fails unless the last run wrote whole lines from the start of EXPECT.
function(expect_prefix)
    file(READ "${EXPECT}" want HEX)
    file(READ "${dir}/${last}.out" got HEX)
    string(LENGTH "${got}" length)
    string(SUBSTRING "${want}" 0 ${length} start)
    if(NOT got STREQUAL start OR NOT (length EQUAL 0 OR got MATCHES "${nl}$"))
        fail("${last}: not whole lines from the start of ${EXPECT}")
        compare("${EXPECT}" "${dir}/${last}.out")
    endif()
endfunction()

if(MODE STREQUAL "out_of_memory")
    foreach(k RANGE 1 200)
        set(failing ${CMAKE_COMMAND} -E env BATTLE_FAIL_NEW=${k})
        run("allocation ${k} failing" ${failing} ${PROGRAM})
        if(last_rc EQUAL 0)
            break()  # past the last allocation: the plain run, checked below
        endif()
        expect(1 "battle: out of memory")
        expect_prefix()
        run("ending at allocation ${k}" ${failing}! ${PROGRAM})
        expect(3)
        compare("${dir}/allocation ${k} failing.out" "${dir}/${last}.out")
        run("allocations from ${k} on failing" ${failing}+ ${PROGRAM})
        expect(1 "battle: out of memory")
        expect_prefix()
    endforeach()
    if(k EQUAL 1 OR NOT last_rc EQUAL 0)
        message(SEND_ERROR "the battle made no allocation to fail, or more than 200")
        set(failed TRUE)
    endif()
endif()

if(JUNK_ARGS)
    set(args --help -v "two words" "" "--level=99" "\\xff")
endif()
if(NOT DEFINED RC)
    set(RC 0)
endif()
run(run ${PROGRAM} ${args})
expect(${RC} "${STDERR}")
if(DEFINED EXPECT)
    compare("${EXPECT}" "${dir}/run.out")
endif()
if(failed)
    message(FATAL_ERROR "${PROGRAM}: failed; its output is kept in ${dir}")
endif()
file(REMOVE_RECURSE "${dir}")
