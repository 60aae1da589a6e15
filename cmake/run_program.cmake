# Runs a program, keeping its output in the folder NAME, and checks its exit status, standard
# output byte for byte, and standard error. -DNAME=<the test>, -DPROGRAM=<a cross build's
# emulator, if any, and the program>, -DSYSTEM=<CMAKE_SYSTEM_NAME> (Windows: CR LF), and maybe:
#   EXPECT  the file its standard output must equal (unchecked without it), EXPECT_OR another it
#           may equal instead; HINT what to do if neither
#   RC      its exit status (0 unless given); STDERR a regex its one line of standard error must
#           match (empty unless given)
#   MODE=out_of_memory  PROGRAM is the battle with the failing operator new. For every k, a run
#     whose k-th allocation fails, and one whose allocations fail from the k-th on, must exit 1
#     saying so, having written whole lines from the start of EXPECT; a run ended at its k-th
#     allocation, flushing nothing, must have written the same: every line left as it was written.
cmake_minimum_required(VERSION 3.25)
set(PROGRAM ${PROGRAM})  # a list again: it came with its semicolons escaped
string(HEX "\n" nl)
if(SYSTEM STREQUAL "Windows")
    string(HEX "\r\n" nl)
endif()
set(dir "${CMAKE_CURRENT_BINARY_DIR}/${NAME}")
file(REMOVE_RECURSE "${dir}")
file(MAKE_DIRECTORY "${dir}")

# Runs PROGRAM with its output in label.out and label.err, and BATTLE_FAIL_NEW set to what follows
# `label` (not set where nothing does).
function(run label)
    unset(ENV{BATTLE_FAIL_NEW})
    if(ARGN)
        set(ENV{BATTLE_FAIL_NEW} ${ARGN})
    endif()
    execute_process(COMMAND ${PROGRAM} OUTPUT_FILE "${dir}/${label}.out"
                    ERROR_FILE "${dir}/${label}.err" RESULT_VARIABLE rc)
    set(last "${label}" PARENT_SCOPE)
    set(last_rc "${rc}" PARENT_SCOPE)
endfunction()

# Fails unless the last run exited with `rc` and, where `err` is given, wrote to standard error
# nothing (an empty `err`) or one line matching it.
function(expect rc)
    file(READ "${dir}/${last}.err" text)
    file(READ "${dir}/${last}.err" hex HEX)  # file(READ) drops a CR; hex keeps every byte
    if(NOT last_rc STREQUAL rc)
        message(SEND_ERROR "${last}: exit status ${last_rc}, not ${rc}; standard error: ${text}")
    elseif(ARGC GREATER 1 AND NOT (ARGV1 STREQUAL "" AND hex STREQUAL "")
           AND NOT (hex MATCHES "${nl}$" AND text MATCHES "^${ARGV1}\n$"))
        message(SEND_ERROR "${last}: standard error is not one line matching '${ARGV1}': ${text}")
    endif()
endfunction()

# Fails unless `got` holds the bytes of one of the files that follow it, with a diff from each
# where there is a diff program.
function(compare got)
    find_program(diff diff)
    foreach(want IN LISTS ARGN)
        execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${want}" "${got}"
                        RESULT_VARIABLE differs)
        if(NOT differs)
            return()
        elseif(diff)
            execute_process(COMMAND "${diff}" -u --text "${want}" "${got}")
        endif()
    endforeach()
    message(SEND_ERROR "${got}: standard output differs from ${ARGN}. ${HINT}")
endfunction()

# Fails unless the last run wrote whole lines from the start of EXPECT.
function(expect_prefix)
    file(READ "${EXPECT}" want HEX)
    file(READ "${dir}/${last}.out" got HEX)
    string(LENGTH "${got}" length)
    string(SUBSTRING "${want}" 0 ${length} start)
    if(NOT got STREQUAL start OR NOT (length EQUAL 0 OR got MATCHES "${nl}$"))
        message(SEND_ERROR "${last}: not whole lines from the start of ${EXPECT}")
        compare("${dir}/${last}.out" "${EXPECT}")
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
        message(SEND_ERROR "the battle made no allocation to fail, or more than 200")
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
