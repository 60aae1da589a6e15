# Grades the lab in this clone (docs/teaching.md): cmake -P lab/grade.cmake. Builds dev's
# configuration afresh (no older test program may pass for one that failed to build), warnings as
# errors, past an error; then runs each group of tests, and ends with one line per group.
cmake_minimum_required(VERSION 3.25)
get_filename_component(root ${CMAKE_CURRENT_LIST_DIR} DIRECTORY)
set(build ${root}/build/grade)
file(REMOVE_RECURSE ${build})
execute_process(COMMAND ${CMAKE_COMMAND} --preset dev -B ${build}
                        -DCMAKE_COMPILE_WARNING_AS_ERROR=ON WORKING_DIRECTORY ${root}
                RESULT_VARIABLE failed)
if(failed)
    message("\n==== grade (warnings are errors)\nconfigure:    failed (its message is above)")
    return()
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${build} -- -k 0 RESULT_VARIABLE failed)
set(summary "\nbuild:        passed")
if(failed)
    set(summary "\nbuild:        failed (the compiler's errors are above)")
endif()

# Runs the tests that ARGN selects and adds `label`'s line to the summary: failed, naming the
# GoogleTest cases of suite `label` or else the tests that failed (with how, but for Failed); or
# `skipped` if none ran; or passed.
function(grade label skipped)
    execute_process(COMMAND ${CMAKE_CTEST_COMMAND} --test-dir ${build} -j 2 --output-on-failure
                            ${ARGN} OUTPUT_VARIABLE out ECHO_OUTPUT_VARIABLE RESULT_VARIABLE failed)
    string(REPLACE "[  FAILED  ] " "FAILED:" why "${out}")  # no bracket in a list
    string(REGEX MATCHALL "FAILED:${label}[.][^ ]+ \\(" why "${why}")
    if(NOT why)
        string(REGEX MATCHALL "[0-9] - [^ ]+ \\([^)]*\\)" why "${out}")
        list(FILTER why EXCLUDE REGEX "\\(Skipped\\)$")
    endif()
    list(TRANSFORM why REPLACE "^FAILED:| \\($|^[0-9] - | \\(Failed\\)$|\\)$" "")
    list(TRANSFORM why REPLACE " \\(" ": ")
    list(JOIN why ", " why)
    string(SUBSTRING "${label}:             " 0 14 line)
    if(failed)
        string(APPEND line "failed (${why})")
    elseif(out MATCHES " Passed ")
        string(APPEND line "passed")
    else()
        string(APPEND line "${skipped}")
    endif()
    set(summary "${summary}\n${line}" PARENT_SCOPE)
endfunction()

file(GLOB exercises RELATIVE ${root}/lab/tests ${root}/lab/tests/*Test.cpp)
list(TRANSFORM exercises REPLACE "Test[.]cpp$" "")
foreach(exercise IN LISTS exercises)
    grade(${exercise} "not started" -R "^lab[.]${exercise}$")
endforeach()
grade("unit tests" "" -LE "^(docs|lab|solutions)$" -E "^lint[.]")
grade(lint "skipped (no clang-query)" -R "^lint[.]")
grade(docs "" -L "^docs$")
message("\n==== grade (warnings are errors)${summary}")
