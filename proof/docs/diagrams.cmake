# Checks the battle diagrams in DOC against the battle's output, EXPECTED. A battle line is a
# Mermaid message whose text starts with its number, a full stop and a space ("4. Jorv deals 2
# damage to Unknown"). In the order drawn they must be lines 1, 2, 3 and so on to the last, each
# the battle's line of that number, character for character.
#   -DDOC=<docs/battle.md>  -DEXPECTED=<tests/expected_output.txt>
cmake_minimum_required(VERSION 3.25)

# A message: a participant, an arrow (->>, -->>, -x, -), ...), another participant, a colon.
file(STRINGS ${DOC} drawn REGEX
     "^[ \t]*[A-Za-z0-9_]+[ \t]*--?(>>|>|x|\\))[ \t]*[+-]?[A-Za-z0-9_]+[ \t]*: *[0-9]+\\. ")
list(TRANSFORM drawn REPLACE "^[^:]*:[ \t]*(.*[^ \t])[ \t]*$" "\\1")
file(STRINGS ${EXPECTED} expected)
list(LENGTH expected count)
set(number 0)
foreach(got want IN ZIP_LISTS drawn expected)
    math(EXPR number "${number} + 1")
    if(NOT DEFINED want)
        message(SEND_ERROR "${DOC}: '${got}' is drawn; the battle writes ${count} lines")
    elseif(NOT DEFINED got)
        message(SEND_ERROR "${DOC}: the battle's line ${number} is not drawn: '${number}. ${want}'")
    elseif(NOT got STREQUAL "${number}. ${want}")
        message(SEND_ERROR "${DOC}: '${got}' is drawn where the battle writes '${number}. ${want}'."
                           " Change the diagram's line.")
    endif()
endforeach()
