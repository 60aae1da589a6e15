# The battle's out-of-memory runs (proof/oom), with run_program.cmake's helpers: for every k, the
# battle ended at its k-th allocation must have written whole lines from the start of EXPECT;
# failing at its k-th allocation, or from the k-th on, it must exit 1 saying so, having as well.
# Stops unless the last run wrote whole lines from the start of EXPECT, showing how it differs.
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
