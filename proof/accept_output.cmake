# Takes what the battle (-DPROGRAM) writes as its expected output, tests/expected_output.txt, and
# README.md's copy, after "<!-- output of battle -->". Run from the top of the source tree.
cmake_minimum_required(VERSION 3.25)
execute_process(COMMAND ${PROGRAM} OUTPUT_VARIABLE lines RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "the battle exited with status ${rc}: nothing was accepted")
endif()
string(REPLACE "\r\n" "\n" lines "${lines}")  # the files keep LF endings
file(WRITE tests/expected_output.txt "${lines}")
file(READ README.md readme)
string(REGEX REPLACE "(<!-- output of battle -->\n```text\n)[^`]*```" "\\1${lines}```" readme
                     "${readme}")
file(WRITE README.md "${readme}")
message(STATUS "tests/expected_output.txt and README.md now hold the battle's output; change "
               "docs/battle.md's diagrams by hand (the test battle.diagrams names what differs)")
