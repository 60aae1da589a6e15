# Checks the guide's battle diagrams against the battle's real output. A battle line is a
# message, in any of the guide's Mermaid diagrams, whose text starts with its line number, a
# full stop and a space ("4. Jorv deals 2 damage to Unknown"). Taken in the order the guide
# draws them, they must be lines 1, 2, 3 and so on to the last, each one character for
# character the line of that number. So a changed, dropped, added or reordered line fails.
#   -DGUIDE=<hierarchy.md>  -DEXPECTED=<the battle's standard output, tests/expected_output.txt>
foreach(var GUIDE EXPECTED)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "battle_diagrams.cmake: -D${var}=... is required")
    endif()
endforeach()

# Returns the lines of `file` as a list. The characters that a CMake list treats specially, the
# semicolon and square brackets, are replaced by tokens that no line holds.
function(read_lines out file)
    file(READ "${file}" text)
    string(REGEX REPLACE "\n$" "" text "${text}")
    string(REPLACE ";" "<semicolon>" text "${text}")
    string(REPLACE "[" "<open>" text "${text}")
    string(REPLACE "]" "<close>" text "${text}")
    string(REPLACE "\n" ";" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

read_lines(expected "${EXPECTED}")
read_lines(guide "${GUIDE}")
list(LENGTH expected count)

# A message: a participant, an arrow (->, -->, ->>, -->>, -x, --x, -), --)), another
# participant, and its text after the colon.
set(id "[A-Za-z0-9_]+")
set(message "^[ \t]*${id}[ \t]*--?(>>|>|x|\\))[ \t]*[+-]?${id}[ \t]*:(.*)$")

set(failures 0)
set(next 1)
set(in_block FALSE)
foreach(line IN LISTS guide)
    if(line MATCHES "^```mermaid")
        set(in_block TRUE)
    elseif(line MATCHES "^```")
        set(in_block FALSE)
    elseif(in_block AND line MATCHES "${message}"
           AND CMAKE_MATCH_2 MATCHES "^[ \t]*([0-9]+)\\. (.*)$")
        set(number ${CMAKE_MATCH_1})
        string(STRIP "${CMAKE_MATCH_2}" text)
        if(NOT number EQUAL next)
            message(SEND_ERROR "line ${number} is drawn where line ${next} belongs")
            math(EXPR failures "${failures} + 1")
        endif()
        if(number LESS 1 OR number GREATER count)
            message(SEND_ERROR "line ${number} is drawn, but the battle writes lines 1 to ${count}")
            math(EXPR failures "${failures} + 1")
        else()
            math(EXPR index "${number} - 1")
            list(GET expected ${index} want)
            if(NOT text STREQUAL want)
                message(SEND_ERROR "line ${number} is drawn as '${text}', but the battle writes "
                                   "'${want}'")
                math(EXPR failures "${failures} + 1")
            endif()
        endif()
        math(EXPR next "${number} + 1")
    endif()
endforeach()

math(EXPR last "${next} - 1")
if(NOT last EQUAL count)
    message(SEND_ERROR "the battle diagrams end at line ${last}, but the battle writes ${count}")
    math(EXPR failures "${failures} + 1")
endif()
if(failures GREATER 0)
    message(FATAL_ERROR "the battle diagrams differ from ${EXPECTED}")
endif()
message(STATUS "the battle diagrams draw the ${count} lines of ${EXPECTED}, in order")
