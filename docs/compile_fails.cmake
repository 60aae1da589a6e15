# Passes when building TARGET fails with an error or a note that contains MESSAGE: a test that
# a source must not compile, and for the reason given.
#   -DBUILD_DIR=<the build tree>  -DCONFIG=<its configuration>  -DTARGET=<target>
#   -DMESSAGE=<text the compiler must print>
foreach(var BUILD_DIR CONFIG TARGET MESSAGE)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "compile_fails.cmake: -D${var}=... is required")
    endif()
endforeach()

# The compiler's messages in English, whatever the locale.
set(ENV{LC_ALL} C)
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --config ${CONFIG} --target ${TARGET}
                OUTPUT_VARIABLE output ERROR_VARIABLE output RESULT_VARIABLE rc)
if(rc EQUAL 0)
    message(FATAL_ERROR "${TARGET} compiled, but must not:\n${output}")
endif()
# Only the diagnostics' own text counts, not the file names around it, which may hold MESSAGE:
# the source's before it, and after it, from MSBuild, the project's.
set(found FALSE)
string(REGEX REPLACE " \\[[^\n]*\\.vcxproj\\]" "" lines "${output}")
string(REGEX REPLACE "[][;]" "_" lines "${lines}")
string(REPLACE "\n" ";" lines "${lines}")
foreach(line IN LISTS lines)
    if(line MATCHES ": (error|note)[^:]*: (.*)$")
        string(FIND "${CMAKE_MATCH_2}" "${MESSAGE}" at)
        if(NOT at EQUAL -1)
            set(found TRUE)
        endif()
    endif()
endforeach()
if(NOT found)
    message(FATAL_ERROR "${TARGET} failed to build, but no diagnostic says '${MESSAGE}':\n"
                        "${output}")
endif()
message(STATUS "${TARGET} does not compile, as it must: '${MESSAGE}'")
