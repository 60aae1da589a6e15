# Checks the battle diagrams in DOC against the battle's output, EXPECTED. A battle line is a
# message in a Mermaid diagram whose text starts with its number, a full stop and a space
# ("4. Jorv deals 2 damage to Unknown"). In the order drawn they must be lines 1, 2, 3 and so on
# to the last, each the battle's line of that number, character for character.
#   -DDOC=<docs/battle.md>  -DEXPECTED=<tests/expected_output.txt>
cmake_minimum_required(VERSION 3.25)

# Returns the lines of `file` as a list, the characters special to a list made tokens.
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
read_lines(doc "${DOC}")
list(LENGTH expected count)

# A message: a participant, an arrow (->>, -->>, -x, -), ...), another participant, a colon.
set(message "^[ \t]*[A-Za-z0-9_]+[ \t]*--?(>>|>|x|\\))[ \t]*[+-]?[A-Za-z0-9_]+[ \t]*:(.*)$")
set(next 1)
set(diagram 0)
set(at 0)
foreach(line IN LISTS doc)
    math(EXPR at "${at} + 1")
    if(line MATCHES "^```mermaid")
        math(EXPR diagram "${diagram} + 1")
        set(inside TRUE)
    elseif(line MATCHES "^```")
        set(inside FALSE)
    elseif(inside AND line MATCHES "${message}"
           AND CMAKE_MATCH_2 MATCHES "^ *([0-9]+)\\. (.*)$")
        set(number ${CMAKE_MATCH_1})
        string(STRIP "${CMAKE_MATCH_2}" text)
        math(EXPR index "${number} - 1")
        set(want "(the battle writes ${count} lines)")
        if(number GREATER 0 AND number LESS_EQUAL count)
            list(GET expected ${index} want)
        endif()
        if(NOT number EQUAL next)
            message(SEND_ERROR "${DOC}:${at}, diagram ${diagram}: line ${number} is drawn where "
                               "line ${next} belongs")
        elseif(NOT text STREQUAL want)
            message(SEND_ERROR "${DOC}:${at}, diagram ${diagram}: line ${number} is drawn as "
                               "'${text}'; the battle writes '${want}'. Change the diagram's line.")
        endif()
        math(EXPR next "${number} + 1")
    endif()
endforeach()
math(EXPR last "${next} - 1")
while(next LESS_EQUAL count)
    list(GET expected ${last} want)
    message(SEND_ERROR "${DOC}: the battle's line ${next} is not drawn: '${next}. ${want}'")
    set(last ${next})
    math(EXPR next "${next} + 1")
endwhile()
