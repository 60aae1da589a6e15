# Runs -DPROGRAM=<a cross build's emulator, if any, and the program>, its output kept in the
# folder -DNAME=<the test>, and stops at the first of its checks that fails: the exit status -DRC,
# standard output byte for byte (-DEXPECT, the file it must equal, or -DEXPECT_OR, another; -DHINT,
# what to do if neither), standard error (see expect). -DMODE=out_of_memory: for every k, the
# battle with the failing operator new, ended at its k-th allocation flushing nothing, must have
# written whole lines from the start of EXPECT; failing at its k-th allocation, or from the k-th
# on, it must exit 1 saying so, having written the same.
cmake_minimum_required(VERSION 3.25)
set(PROGRAM ${PROGRAM})  # a list again: it came with its semicolons escaped
set(dir "${CMAKE_CURRENT_BINARY_DIR}/${NAME}")
file(REMOVE_RECURSE "${dir}")
file(MAKE_DIRECTORY "${dir}")

# Runs PROGRAM, output in last.out and last.err, BATTLE_FAIL_NEW set to the rest (if any).
macro(run label)
    set(last "${label}")
    set(ENV{BATTLE_FAIL_NEW} ${ARGN})
    execute_process(COMMAND ${PROGRAM} OUTPUT_FILE "${dir}/${last}.out"
                    ERROR_FILE "${dir}/${last}.err" RESULT_VARIABLE last_rc)
endmacro()

# Stops unless the last run exited with `rc` and, where a regex follows, wrote to standard error
# nothing (an empty regex) or one line matching it, ended by the hex -DNL.
function(expect rc)
    file(READ "${dir}/${last}.err" text)
    file(READ "${dir}/${last}.err" hex HEX)  # file(READ) drops a CR; hex keeps every byte
    if(NOT last_rc STREQUAL rc)
        message(FATAL_ERROR "${last}: exit status ${last_rc}, not ${rc}; standard error: ${text}")
    elseif(ARGC GREATER 1 AND NOT (ARGV1 STREQUAL "" AND hex STREQUAL "")
           AND NOT (hex MATCHES "${NL}$" AND text MATCHES "^${ARGV1}\n$"))
        message(FATAL_ERROR "${last}: standard error is not one line matching '${ARGV1}': ${text}")
    endif()
endfunction()

# Stops unless `got` holds the bytes of one of the files that follow it, with a diff from each
# where there is a diff program (of the lines: a CR LF and an LF look alike).
function(compare got)
    foreach(want IN LISTS ARGN)
        execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${want}" "${got}"
                        RESULT_VARIABLE differs)
        if(NOT differs)
            return()
        endif()
        execute_process(COMMAND diff -u --text --strip-trailing-cr "${want}" "${got}")
    endforeach()
    message(FATAL_ERROR "${got}: standard output differs from ${ARGN}. ${HINT}")
endfunction()

# Stops unless the last run wrote whole lines from the start of EXPECT, showing how its output
# differs from as much of EXPECT: a later run's output would differ the same way.
function(expect_prefix)
    file(SIZE "${dir}/${last}.out" size)
    file(READ "${dir}/${last}.out" got HEX)
    file(READ "${EXPECT}" start LIMIT ${size} HEX)
    if(NOT got STREQUAL start OR NOT (size EQUAL 0 OR got MATCHES "0a$"))
        file(READ "${dir}/${last}.out" text)  # as LIMIT counts without HEX: a CR LF as one
        string(LENGTH "${text}" length)
        file(READ "${EXPECT}" start LIMIT ${length})
        file(WRITE "${dir}/${last}.expected" "${start}")
        compare("${dir}/${last}.out" "${dir}/${last}.expected")
        message(FATAL_ERROR "${last}: its last line is unfinished")
    endif()
endfunction()

if(MODE STREQUAL "out_of_memory")
    foreach(k RANGE 1 200)
        run("ending at allocation ${k}" ${k}!)
        if(last_rc EQUAL 0)
            break()  # past the last allocation: the plain run, checked below
        endif()
        expect(3)
        expect_prefix()
        foreach(failing ${k} ${k}+)
            run("allocation ${failing} failing" ${failing})
            expect(1 "battle: out of memory")
            compare("${dir}/${last}.out" "${dir}/ending at allocation ${k}.out")
        endforeach()
    endforeach()
    if(k EQUAL 1 OR NOT last_rc EQUAL 0)
        message(FATAL_ERROR "the battle made no allocation to fail, or more than 200")
    endif()
endif()

run(run)
expect(${RC} "${STDERR}")
if(DEFINED EXPECT)
    compare("${dir}/run.out" "${EXPECT}" ${EXPECT_OR})
endif()
