# Checks the battle diagrams in -DDOC against the battle's output, -DEXPECTED. A battle line is a
# Mermaid message whose text starts with its number, a full stop and a space ("4. Jorv deals 2
# damage to Unknown"): in the order drawn, lines 1, 2, 3 ... to the last, as the battle writes them.
cmake_minimum_required(VERSION 3.25)
# A message: a participant, an arrow (->>, -->>, -x, -), ...), another participant, a colon.
file(STRINGS ${DOC} drawn REGEX
     "^[ \t]*[A-Za-z0-9_]+[ \t]*--?(>>|>|x|\\))[ \t]*[+-]?[A-Za-z0-9_]+[ \t]*: *[0-9]+\\. ")
list(TRANSFORM drawn REPLACE "^[^:]*:[ \t]*(.*[^ \t])[ \t]*$" "\\1")
file(STRINGS ${EXPECTED} expected)
set(number 0)
foreach(got want IN ZIP_LISTS drawn expected)
    math(EXPR number "${number} + 1")
    if(NOT "${got}" STREQUAL "${number}. ${want}")
        message(SEND_ERROR "${DOC}: '${got}' is drawn where the battle's line ${number} is "
                           "'${want}'")
    endif()
endforeach()
