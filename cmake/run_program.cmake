# Runs a program (-DPROGRAM=<a cross build's emulator, if any, and the program>), keeping its
# output in the folder NAME (-DNAME=<the test>), and checks its exit status, standard output byte
# for byte and standard error, stopping at the first check that fails. -DSYSTEM=Windows: CR LF.
# Maybe: EXPECT, the file its standard output must equal, EXPECT_OR another it may equal, HINT
# what to do if neither; RC, its exit status (0 unless given); STDERR, a regex its one line of
# standard error must match (empty unless given); MODE=out_of_memory: PROGRAM is the battle with
# the failing operator new. For every k, a run whose k-th allocation fails, and one whose
# allocations fail from the k-th on, must exit 1 saying so, having written whole lines from the
# start of EXPECT; a run ended at its k-th allocation, flushing nothing, must have written the same.
cmake_minimum_required(VERSION 3.25)
set(PROGRAM ${PROGRAM})  # a list again: it came with its semicolons escaped
string(HEX "\n" nl)
if(SYSTEM STREQUAL "Windows")
    string(HEX "\r\n" nl)
endif()
set(dir "${CMAKE_CURRENT_BINARY_DIR}/${NAME}")
file(REMOVE_RECURSE "${dir}")
file(MAKE_DIRECTORY "${dir}")

# Runs PROGRAM, output in label.out and label.err, BATTLE_FAIL_NEW set to the rest (if any).
function(run label)
    set(ENV{BATTLE_FAIL_NEW} ${ARGN})
    execute_process(COMMAND ${PROGRAM} OUTPUT_FILE "${dir}/${label}.out"
                    ERROR_FILE "${dir}/${label}.err" RESULT_VARIABLE rc)
    set(last "${label}" PARENT_SCOPE)
    set(last_rc "${rc}" PARENT_SCOPE)
endfunction()

# Stops unless the last run exited with `rc` and, where `err` is given, wrote to standard error
# nothing (an empty `err`) or one line matching it.
function(expect rc)
    file(READ "${dir}/${last}.err" text)
    file(READ "${dir}/${last}.err" hex HEX)  # file(READ) drops a CR; hex keeps every byte
    if(NOT last_rc STREQUAL rc)
        message(FATAL_ERROR "${last}: exit status ${last_rc}, not ${rc}; standard error: ${text}")
    elseif(ARGC GREATER 1 AND NOT (ARGV1 STREQUAL "" AND hex STREQUAL "")
           AND NOT (hex MATCHES "${nl}$" AND text MATCHES "^${ARGV1}\n$"))
        message(FATAL_ERROR "${last}: standard error is not one line matching '${ARGV1}': ${text}")
    endif()
endfunction()

# Stops unless `got` holds the bytes of one of the files that follow it, with a diff from each
# where there is a diff program (of the lines: a CR LF and an LF look alike).
function(compare got)
    find_program(diff diff)
    foreach(want IN LISTS ARGN)
        execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${want}" "${got}"
                        RESULT_VARIABLE differs)
        if(NOT differs)
            return()
        elseif(diff)
            execute_process(COMMAND "${diff}" -u --text --strip-trailing-cr "${want}" "${got}")
        endif()
    endforeach()
    message(FATAL_ERROR "${got}: standard output differs from ${ARGN}. ${HINT}")
endfunction()

# Stops unless the last run wrote whole lines from the start of EXPECT, showing how its output
# differs from as much of EXPECT: a later run's output would differ the same way.
function(expect_prefix)
    file(READ "${EXPECT}" want HEX)
    file(READ "${dir}/${last}.out" got HEX)
    string(LENGTH "${got}" length)
    string(SUBSTRING "${want}" 0 ${length} start)
    if(NOT got STREQUAL start OR NOT (length EQUAL 0 OR got MATCHES "${nl}$"))
        file(READ "${dir}/${last}.out" text)  # as LIMIT counts: a CR LF as one
        string(LENGTH "${text}" length)
        file(READ "${EXPECT}" start LIMIT ${length})
        file(WRITE "${dir}/${last}.expected" "${start}")
        compare("${dir}/${last}.out" "${dir}/${last}.expected")
        message(FATAL_ERROR "${last}: its last line is unfinished")
    endif()
endfunction()

if(MODE STREQUAL "out_of_memory")
    foreach(k RANGE 1 200)
        run("allocation ${k} failing" ${k})
        if(last_rc EQUAL 0)
            break()  # past the last allocation: the plain run, checked below
        endif()
        expect(1 "battle: out of memory")
        expect_prefix()
        run("ending at allocation ${k}" ${k}!)
        expect(3)
        compare("${dir}/${last}.out" "${dir}/allocation ${k} failing.out")
        run("allocations from ${k} on failing" ${k}+)
        expect(1 "battle: out of memory")
        expect_prefix()
    endforeach()
    if(k EQUAL 1 OR NOT last_rc EQUAL 0)
        message(FATAL_ERROR "the battle made no allocation to fail, or more than 200")
    endif()
endif()

if(NOT DEFINED RC)
    set(RC 0)
endif()
run(run)
expect(${RC} "${STDERR}")
if(DEFINED EXPECT)
    compare("${dir}/run.out" "${EXPECT}" ${EXPECT_OR})
endif()
