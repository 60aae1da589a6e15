# The grade's proof: lab/grade.cmake grades four clones of this tree, made from the solutions, and
# grades.csv must say what each exercise did: `correct`, a typical mistake in each (`mistakes`),
# and what must not pass (`tricks`, `shortcuts`). Native g++ only: the messages are g++'s.
if(NOT (CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_HOST_UNIX) OR CMAKE_CROSSCOMPILING
   OR BATTLE_SANITIZE OR CMAKE_CXX_CLANG_TIDY)
    return()
endif()
set(roster ${CMAKE_CURRENT_BINARY_DIR}/roster)
file(REMOVE_RECURSE ${roster})
file(GLOB solutions ${PROJECT_SOURCE_DIR}/lab/solutions/*)
foreach(student correct mistakes tricks shortcuts limits)
    foreach(part src tests cmake lab CMakeLists.txt CMakePresets.json)
        file(COPY ../${part} DESTINATION ${roster}/${student} PATTERN solutions EXCLUDE)
    endforeach()
    file(COPY ${solutions} DESTINATION ${roster}/${student}/src)
endforeach()

# Replaces `from` with `to` in the student's `file`, which must hold it.
function(plant student file from to)
    file(READ ${roster}/${student}/${file} text)
    string(FIND "${text}" "${from}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "proof/lab: \"${from}\" is not in ${file}: plant it anew")
    endif()
    string(REPLACE "${from}" "${to}" text "${text}")
    file(WRITE ${roster}/${student}/${file} "${text}")
endfunction()
set(strike "    attack(x, d);\n    attack(x, d);\n")
plant(mistakes src/Berserker.cpp "Hero(std::move(nm), lvl, lf), Warrior(std::string()"
      "Warrior(std::move(nm)")  # the name handed to Warrior instead
plant(mistakes src/Necromancer.cpp "setlife(saturating::add(getlife(), d));" "")
plant(mistakes src/Paladin.cpp "attack(x, d);\n" "")
plant(mistakes src/Party.h "vector<std::unique_ptr<Warrior>>" "vector<std::unique_ptr<Hero>>")
plant(tricks src/Berserker.cpp "${strike}" "    for (int i = 0; i < 2; i += 0) {\n${strike}}\n")
plant(tricks src/Necromancer.h "void drain(Hero* x, int d);" "void drain(Hero* x, int d);
    void castspell(Hero* x, int d);")
plant(tricks src/Necromancer.cpp "    castspell(x, d);" "    Mage::castspell(x, d);")
file(APPEND ${roster}/tricks/src/Necromancer.cpp "void Necromancer::castspell(Hero* x, int d) {
    drain(x, d);\n}\n")
file(APPEND ${roster}/tricks/src/Paladin.cpp "\nint main() { return 0; }\n")
file(RENAME ${roster}/tricks/src/Party.h ${roster}/tricks/src/party.h)
plant(mistakes src/Hero.h "    Hero();\n" "    Hero();\n    virtual ~Hero() = default;\n")
plant(shortcuts src/Berserker.cpp "${strike}" "    int times;
    for (int i = 0; i < times; ++i) {\n        attack(x, d);\n    }\n")
plant(shortcuts src/Necromancer.cpp "    castspell(x, d);" "    castspell(x, d);\n    std::exit(0);")
plant(shortcuts src/Necromancer.cpp "#include <string>" "#include <cstdlib>\n#include <string>")
file(APPEND ${roster}/shortcuts/src/Paladin.cpp "#include <cstdlib>
static const bool filtered = setenv(\"GTEST_FILTER\", \"*Builds*\", 1) == 0;\n")
file(MAKE_DIRECTORY ${roster}/shortcuts/src/lab)
file(RENAME ${roster}/shortcuts/src/Party.h ${roster}/shortcuts/src/lab/Party.h)
file(RENAME ${roster}/shortcuts/src/Party.cpp ${roster}/shortcuts/src/lab/Party.cpp)

plant(limits src/Berserker.cpp "${strike}" "    std::vector<std::unique_ptr<char[]>> hoard;
    for (;;) {\n        attack(x, d);\n        hoard.emplace_back(new char[1U << 26U]);\n    }\n")
plant(limits src/Berserker.cpp "#include <utility>" "#include <memory>\n#include <utility>\n#include <vector>")
plant(limits src/Necromancer.cpp "    castspell(x, d);" "    std::abort();")
plant(limits src/Necromancer.cpp "#include <string>" "#include <cstdlib>\n#include <string>")
plant(limits src/Paladin.cpp "    castspell(x, d);" "    std::_Exit(0);")
plant(limits src/Paladin.cpp "#include <string>" "#include <cstdlib>\n#include <string>")

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
