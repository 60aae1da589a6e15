// Who builds the Hero part, and in which order the parts are built and destroyed: small copies
// of Hero, Warrior, Mage and Warmage, each taking only a name, each part writing a line as it is
// built and as it is destroyed. Warmage's copy names Hero with Ezmund and hands Warrior and Mage
// Grell: a Warrior or Mage part writes the name it was handed and the name its Hero part has.
#include <iomanip>
#include <iostream>
#include <string>
#include <utility>

namespace {

// Writes one numbered step: the part, then a note on it if any.
void step(const std::string& part, const std::string& note = "") {
    static int number = 0;
    std::cout << "  " << ++number << ". " << std::left << std::setw(note.empty() ? 0 : 14) << part
              << note << "\n";
}

// Each class writes in its destructor, and is never copied nor moved.
// NOLINTBEGIN(cppcoreguidelines-special-member-functions)
class Hero {
public:
    explicit Hero(std::string nm) : name(std::move(nm)) { step("Hero part", name); }
    ~Hero() { step("Hero part"); }

    [[nodiscard]] const std::string& getname() const { return name; }

private:
    std::string name;
};

class Warrior : public virtual Hero {
public:
    explicit Warrior(const std::string& nm) : Hero(nm) {
        step("Warrior part", "handed " + nm + ", Hero part is " + getname());
    }
    ~Warrior() { step("Warrior part"); }
};

class Mage : public virtual Hero {
public:
    explicit Mage(const std::string& nm) : Hero(nm) {
        step("Mage part", "handed " + nm + ", Hero part is " + getname());
    }
    ~Mage() { step("Mage part"); }
};

class Warmage : public Warrior, public Mage {
public:
    Warmage() : Hero("Ezmund"), Warrior("Grell"), Mage("Grell") { step("Warmage's body"); }
    ~Warmage() { step("~Warmage's body"); }
};
// NOLINTEND(cppcoreguidelines-special-member-functions)

}  // namespace

int main() {
    std::cout << "Warmage ezmund; builds:\n";
    {
        const Warmage ezmund;
        std::cout << "end of ezmund's scope, destroys:\n";
    }
}
