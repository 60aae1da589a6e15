# Writes `text`, whose lines end in LF, to `file` with the target's newline (CR LF on Windows).
function(write_expected file text)  # (file(WRITE) would add a CR of its own on a Windows host)
    set(style UNIX)
    if(CMAKE_SYSTEM_NAME STREQUAL "Windows")
        set(style CRLF)
    endif()
    file(CONFIGURE OUTPUT "${file}" CONTENT "${text}" @ONLY NEWLINE_STYLE ${style})
endfunction()
# Adds a test that runs the target `program` (through an emulator, if any) with run_program.cmake:
# ARGS for the program, then its settings as NAME=VALUE (RC=0 unless given), semicolons escaped.
function(add_program_test name program)
    cmake_parse_arguments(PARSE_ARGV 2 arg "" "" "ARGS")
    set(command ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:${program}> ${arg_ARGS})
    string(REPLACE ";" "\\;" command "${command}")
    list(TRANSFORM arg_UNPARSED_ARGUMENTS PREPEND "-D" OUTPUT_VARIABLE settings)
    add_test(NAME ${name} COMMAND ${CMAKE_COMMAND} -DNAME=${name} "-DPROGRAM=${command}" -DRC=0
                                  -DNL=$<IF:$<PLATFORM_ID:Windows>,0d0a,0a> ${settings} -P
                                  ${PROJECT_SOURCE_DIR}/cmake/run_program.cmake)
endfunction()
# Adds the test `name`, the lint (docs/extending.md#traps) over the files that follow, each read
# with its flags in compile_commands.json: a finding, or a file that does not parse, fails it.
find_program(BATTLE_CLANG_QUERY NAMES clang-query clang-query-14)
function(add_lint_test name)
    set(lint ${BATTLE_CLANG_QUERY} -p ${CMAKE_BINARY_DIR} --extra-arg=-w -f tests/hierarchy.query)
    if(NOT BATTLE_CLANG_QUERY OR NOT CMAKE_EXPORT_COMPILE_COMMANDS
       OR NOT CMAKE_GENERATOR MATCHES "Ninja|Make")
        set(lint ${CMAKE_COMMAND} -E echo "skipped: no clang-query, or no compile_commands.json")
    endif()
    add_test(NAME ${name} COMMAND ${lint} ${ARGN} WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
    set_tests_properties(${name} PROPERTIES FAIL_REGULAR_EXPRESSION "binds here;error:;Error "
                         SKIP_REGULAR_EXPRESSION "^skipped: " COST 10 TIMEOUT 60)  # COST: first
endfunction()
