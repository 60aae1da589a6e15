# Test helpers shared by tests/, fuzz/ and docs/.

# Writes `text`, whose lines end in LF, to `file` with the target's newline (CR LF on Windows).
function(write_expected file text)
    set(style UNIX)
    if(CMAKE_SYSTEM_NAME STREQUAL "Windows")
        set(style CRLF)
    endif()
    file(CONFIGURE OUTPUT "${file}" CONTENT "${text}" @ONLY NEWLINE_STYLE ${style})
endfunction()

# Adds a test that runs the target `program` (through a cross build's emulator, if any) with
# run_program.cmake. The arguments after ARGS go to the program; the others are the script's
# settings, as NAME=VALUE (RC=0 unless given).
function(add_program_test name program)
    cmake_parse_arguments(PARSE_ARGV 2 arg "" "" "ARGS")
    # The command reaches the script as one argument: the list's semicolons stay escaped.
    set(command ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:${program}> ${arg_ARGS})
    string(REPLACE ";" "\\;" command "${command}")
    list(TRANSFORM arg_UNPARSED_ARGUMENTS PREPEND "-D" OUTPUT_VARIABLE settings)
    add_test(NAME ${name} COMMAND ${CMAKE_COMMAND} -DNAME=${name} "-DPROGRAM=${command}" -DRC=0
                                  -DNL=$<IF:$<PLATFORM_ID:Windows>,0d0a,0a> ${settings} -P
                                  ${PROJECT_SOURCE_DIR}/cmake/run_program.cmake)
endfunction()
