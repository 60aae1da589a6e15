# Takes what the battle writes as its expected output: tests/expected_output.txt, and the copy in
# the block after "<!-- output of battle -->" in README.md. Run from the top of the source tree.
#   -DPROGRAM=<the battle>
cmake_minimum_required(VERSION 3.25)
set(expected tests/expected_output.txt)
execute_process(COMMAND ${PROGRAM} OUTPUT_FILE ${expected} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "the battle exited with status ${rc}: nothing was accepted")
endif()
file(READ ${expected} lines)  # which drops any CR: the file keeps LF endings
file(WRITE ${expected} "${lines}")
file(READ README.md readme)
string(REGEX REPLACE "(<!-- output of battle -->\n```text\n)[^`]*```" "\\1${lines}```" readme
                     "${readme}")
file(WRITE README.md "${readme}")
message(STATUS "${expected} and README.md now hold the battle's output; docs/battle.md's "
               "diagrams are checked by the test battle.diagrams, and are changed by hand")
