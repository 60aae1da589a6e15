// Who builds what, in which order: a diamond shaped like Warmage's, made of stand-ins whose
// every part says when it is built and destroyed, and whose Hero part says which class's
// Hero(...) initializer built it. Each line is written as the step happens.
#include <iomanip>
#include <iostream>
#include <string>
#include <utility>

namespace {

// Writes a line of two columns.
void line(const std::string& left, const std::string& right) {
    std::cout << std::left << std::setw(right.empty() ? 0 : 28) << left << right << "\n";
}

// Writes one numbered step: the part, then a note on it.
void step(const std::string& part, const std::string& note = "") {
    static int number = 0;
    line("  " + std::to_string(++number) + ". " + part, note);
}

// Each class writes in its destructor, and is never copied nor moved.
// NOLINTBEGIN(cppcoreguidelines-special-member-functions)
class Hero {
public:
    explicit Hero(std::string by) : built_by(std::move(by)) {
        step("Hero part", "by " + built_by + "'s Hero(...)");
    }
    ~Hero() { step("Hero part", "last, once"); }

    // Returns the note of a part whose constructor names Hero(...) but did not build it.
    [[nodiscard]] std::string skipped(const std::string& part) const {
        return built_by == part ? "" : part + "'s Hero(...) skipped";
    }

private:
    std::string built_by;
};

class Warrior : public virtual Hero {
public:
    Warrior() : Hero("Warrior") { step("Warrior part", skipped("Warrior")); }
    ~Warrior() { step("Warrior part"); }
};

class Mage : public virtual Hero {
public:
    Mage() : Hero("Mage") { step("Mage part", skipped("Mage")); }
    ~Mage() { step("Mage part"); }
};

class Warmage : public Warrior, public Mage {
public:
    Warmage() : Hero("Warmage") { step("Warmage's body"); }
    ~Warmage() { step("~Warmage's body"); }
};
// NOLINTEND(cppcoreguidelines-special-member-functions)

}  // namespace

int main() {
    line("Warmage ezmund;", "Warmage's constructor builds");
    {
        const Warmage ezmund;
        line("} (end of ezmund's scope)", "~Warmage destroys");
    }
}
