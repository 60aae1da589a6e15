// Small copies of Hero, Warrior, Mage and Warmage: each part prints a line as it is built and
// as it is destroyed.
#include <iostream>
#include <string>

// NOLINTBEGIN(cppcoreguidelines-special-member-functions): no copies here
class Hero {
public:
    Hero(const std::string& nm) { std::cout << "  Hero part, named " << nm << "\n"; }
    ~Hero() { std::cout << "  Hero part\n"; }
};

class Warrior : public virtual Hero {
public:
    Warrior(const std::string& nm) : Hero(nm) {
        std::cout << "  Warrior part, handed " << nm << "\n";
    }
    ~Warrior() { std::cout << "  Warrior part\n"; }
};

class Mage : public virtual Hero {
public:
    Mage(const std::string& nm) : Hero(nm) { std::cout << "  Mage part, handed " << nm << "\n"; }
    ~Mage() { std::cout << "  Mage part\n"; }
};

class Warmage : public Warrior, public Mage {
public:
    Warmage() : Hero("Ezmund"), Warrior("Grell"), Mage("Grell") {
        std::cout << "  Warmage's body\n";
    }
    ~Warmage() { std::cout << "  ~Warmage's body\n"; }
};
// NOLINTEND(cppcoreguidelines-special-member-functions)

int main() {
    std::cout << "building a Warmage:\n";
    {
        const Warmage ezmund;
        std::cout << "destroying it:\n";
    }
}
