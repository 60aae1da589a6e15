# The grade's proof: it grades five clones with the solutions in, four changed by their patches
# here (mistakes, what must not pass, the limits); grades.csv must say it. Native g++ only.
if(NOT (CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_HOST_UNIX) OR CMAKE_CROSSCOMPILING
   OR BATTLE_SANITIZE OR CMAKE_CXX_CLANG_TIDY)
    return()
endif()
find_program(BATTLE_PATCH patch REQUIRED)
set(roster ${CMAKE_CURRENT_BINARY_DIR}/roster)
file(REMOVE_RECURSE ${roster})
file(GLOB solutions ${PROJECT_SOURCE_DIR}/lab/solutions/*)
foreach(student correct mistakes tricks shortcuts limits)
    file(COPY ../src ../tests ../cmake ../lab ../CMakeLists.txt ../CMakePresets.json
         DESTINATION ${roster}/${student} PATTERN solutions EXCLUDE)
    file(COPY ${solutions} DESTINATION ${roster}/${student}/src)
    set(patch ${CMAKE_CURRENT_SOURCE_DIR}/lab/${student}.patch)
    if(EXISTS ${patch})
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${patch})
        execute_process(COMMAND ${BATTLE_PATCH} -s -p1 -F0 -i ${patch}
                        WORKING_DIRECTORY ${roster}/${student} RESULT_VARIABLE failed)
        if(failed)
            message(FATAL_ERROR "${patch} no longer applies to the solutions: make it anew")
        endif()
    endif()
endforeach()

add_test(NAME lab.grade COMMAND ${CMAKE_COMMAND} -D STUDENTS=${roster}
                                -D HANDOUT=${PROJECT_SOURCE_DIR} -P ${PROJECT_SOURCE_DIR}/lab/grade.cmake
         WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
add_test(NAME lab.grades COMMAND ${CMAKE_COMMAND} -E cat ${roster}/grades.csv)
set(s "[^\n]*")  # the rest of a message, which may vary with g++'s version
string(JOIN "\n" grades
    "\"correct\",passed,25,passed,25,passed,25,passed,25,passed,100,\"\",\"\""
    "\"limits\",failed,0,failed,0,failed,0,passed,25,passed,25,\"\",\"Berserker: ran out of memory .3 GiB.; Necromancer: crashed .Subprocess aborted.; Paladin: the program ended before its tests did${s}\""
    "\"mistakes\",failed,0,failed,0,failed,0,failed,0,passed,0,\"src/Hero[.]h\",\"Berserker: Berserker[.]BuildsItsHeroPartFromItsArguments, Berserker[.]FrenzyStrikesTwice; Necromancer: Necromancer[.]DrainHealsTheCasterByWhatItTakes; Paladin: Paladin[.]SmiteStrikesThenCasts; Party: Party[.]DeletesEachMemberAsItsOwnClass\""
    "\"shortcuts\",failed,0,failed,0,failed,0,not started,0,passed,0,\"\",\"Berserker: does not build: src/Berserker[.]cpp:[0-9:]+ error: .times. is used uninitialized${s}; Necromancer: the program ended before its tests did${s}; Paladin: 1 of the 2 tests ran${s}; Party: not started: found src/lab/Party[.]cpp, src/lab/Party[.]h: the lab reads src/Party[.]h and src/Party[.]cpp\""
    "\"tricks\",failed,0,failed,0,failed,0,not started,0,passed,0,\"\",\"Berserker: timed out${s}; Necromancer: Necromancer[.]KeepsTheMagesCastspell; Paladin: does not build: src/Paladin[.]cpp:[0-9]+: multiple definition of .main.${s}; Party: not started: found src/party[.]h: the lab reads src/Party[.]h and src/Party[.]cpp\"\n")
set_tests_properties(lab.grade PROPERTIES FIXTURES_SETUP grades ENVIRONMENT LC_ALL=C TIMEOUT 300
                                          PASS_REGULAR_EXPRESSION "grades of the class")
string(REPLACE ";" "." grades "${grades}")  # a semicolon would split the regex in two
set_tests_properties(lab.grades PROPERTIES FIXTURES_REQUIRED grades
                                           PASS_REGULAR_EXPRESSION "^student,[^\n]*\n${grades}$")
