# Runs -DPROGRAM (an emulator, if any, and the program), output kept in the folder -DNAME, and stops
# at the first failed check: exit status -DRC, standard output byte for byte (-DEXPECT or
# -DEXPECT_OR; -DHINT: what to do), standard error (see expect). -DEXTRA: a script of more runs.
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

if(DEFINED EXTRA)  # further runs, with these helpers, before the plain one
    include(${EXTRA})
endif()
run(run)
expect(${RC} "${STDERR}")
if(DEFINED EXPECT)
    compare("${dir}/run.out" "${EXPECT}" ${EXPECT_OR})
endif()
