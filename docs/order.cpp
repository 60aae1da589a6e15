// Builds, copies, assigns and destroys small copies of Hero, Warrior, Mage and Warmage whose every
// part says what happens to it: the parts' order, and how often the shared Hero part is copied.
#include <iostream>
#include <string_view>

namespace {

// One part of an object: writes its name, after a space, whenever it is built, copied (a move
// copies, as for a class without move members), assigned or destroyed.
class Tracer {  // NOLINT(cppcoreguidelines-special-member-functions): no move members, above
public:
    explicit Tracer(std::string_view name) : name_(name) { say(); }
    Tracer(const Tracer& other) : name_(other.name_) { say(); }
    Tracer& operator=(const Tracer& other) {
        name_ = other.name_;
        say();
        return *this;
    }
    ~Tracer() { say(); }

private:
    void say() const { std::cout << ' ' << name_; }

    std::string_view name_;
};

struct TracedHero {
    Tracer hero{"Hero"};
};

struct TracedWarrior : virtual TracedHero {
    Tracer warrior{"Warrior"};
};

struct TracedMage : virtual TracedHero {
    Tracer mage{"Mage"};
};

struct TracedWarmage : TracedWarrior, TracedMage {
    Tracer warmage{"Warmage"};
};

}  // namespace

int main() {
    {
        std::cout << "built:    ";
        const TracedWarmage original;
        std::cout << "\ncopied:   ";
        TracedWarmage copy = original;
        std::cout << "\nassigned: ";
        copy = original;
        std::cout << "\ndestroyed:";
    }
    std::cout << "\n";
}
