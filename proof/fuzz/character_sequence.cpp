#include "character_sequence.h"

#include <array>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <new>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>

#include "Bloodmage.h"
#include "Hero.h"
#include "Mage.h"
#include "Warmage.h"
#include "Warrior.h"
#include "cout_capture.h"
#include "failing_new.h"

namespace {

// ---- The model: the rules again, in 64-bit arithmetic, held at the 32-bit limits. ----

using Wide = std::int64_t;

Wide held(Wide v) { return v < INT_MIN ? INT_MIN : (v > INT_MAX ? INT_MAX : v); }

struct Model {
    bool present = false;
    std::string name;
    Wide life = 0;
    Wide level = 0;
    std::optional<Wide> armor;  // Warrior and Warmage only
    std::optional<Wide> mana;   // Mage, Bloodmage and Warmage only
    bool bloodmage = false;
};

std::string num(Wide v) { return std::to_string(v); }

// ---- The real characters, one slot each. ----

using Character = std::variant<std::monostate, Hero, Warrior, Mage, Bloodmage, Warmage>;

// Returns the slot's character as a T, or null if the slot is empty or holds no T.
template <class T>
T* as(Character& c) {
    return std::visit(
        [](auto& held_character) -> T* {
            if constexpr (std::is_convertible_v<decltype(&held_character), T*>) {
                return &held_character;
            } else {
                return nullptr;
            }
        },
        c);
}

constexpr std::size_t slot_count = 4;
constexpr std::uint8_t op_count = 14;

class Reader {
public:
    Reader(const std::uint8_t* data, std::size_t size) : at(data), left(size) {}

    [[nodiscard]] bool empty() const { return left == 0; }

    std::uint8_t byte() {
        if (left == 0) {
            return 0;
        }
        --left;
        // The input is the pointer and size that libFuzzer hands over.
        return *at++;  // NOLINT(cppcoreguidelines-pro-bounds-pointer-arithmetic)
    }

    // Mostly the values where the rules turn: 0, +-1, the limits and small numbers.
    int value() {
        switch (byte() % 8) {
            case 0: return 0;
            case 1: return -1;
            case 2: return INT_MIN;
            case 3: return INT_MAX;
            case 4: return static_cast<std::int8_t>(byte());
            case 5: return static_cast<std::int8_t>(byte()) * 10;
            default: {
                std::uint32_t v = 0;
                for (int i = 0; i < 4; ++i) {
                    v = (v << 8U) | byte();
                }
                return static_cast<int>(v);
            }
        }
    }

    // Up to 31 bytes: longer than the string's own buffer, so that some names live on the heap.
    // Any byte but a newline, so that the capture can tell one report line from two.
    std::string name() {
        std::string nm(byte() % 32, '\0');
        for (char& ch : nm) {
            ch = static_cast<char>(byte());
            if (ch == '\n') {
                ch = ' ';
            }
        }
        return nm;
    }

    std::size_t slot() { return byte() % slot_count; }

private:
    const std::uint8_t* at;
    std::size_t left;
};

class Sequence {
public:
    explicit Sequence(Reader bytes) : in(bytes) {}

    void run() {
        for (int step = 0; !in.empty(); ++step) {
            const std::uint8_t op = in.byte();
            act(op);
            check(step, op);
        }
    }

private:
    void act(std::uint8_t op) {
        const std::size_t a = in.slot();
        Model& me = models.at(a);
        Character& real = slots.at(a);
        switch (op % op_count) {
            case 0: return build(a);
            case 1: return copy(a, in.slot());
            case 2:
                if (Hero* h = as<Hero>(real); h != nullptr && acted([&] { h->print(); })) {
                    say("Hero: " + me.name + ", " + num(me.level) + ", " + num(me.life));
                }
                return;
            case 3:
                if (Hero* h = as<Hero>(real); h != nullptr && acted([&] { (*h)++; })) {
                    me.level = held(me.level + 1);
                    say(me.name + " has gained a level!");
                    me.life = held(me.life + 100);
                }
                return;
            case 4: {
                const int d = in.value();
                if (Hero* h = as<Hero>(real); h != nullptr && acted([&] { *h - d; })) {
                    me.life = held(me.life - d);
                    say(me.name + " has taken " + num(d) + " damage");
                }
                return;
            }
            case 5: return compare(a, in.slot());
            case 10: return set(a, true);
            case 11: return set(a, false);
            case 12: return move(a, in.slot());
            case 13: {
                // The next acting operation runs with its k-th allocation failing, or every
                // allocation from its k-th on.
                const std::uint8_t k = in.byte();
                failure = {k % 4U + 1U,
                           k >= 128 ? failingnew::Failure::onward : failingnew::Failure::once};
                return;
            }
            default: {
                // Bytes are read one statement at a time: argument order is unspecified.
                const std::optional<std::size_t> t = target();
                const int d = in.value();
                switch (op % op_count) {
                    case 6: return attack(a, t, d, false);
                    case 7: return attack(a, t, d, true);
                    case 8: return cast(a, t, d, false);
                    default: return cast(a, t, d, true);
                }
            }
        }
    }

    // Returns a target slot, or nothing for an explicit null target. An empty slot is null too.
    std::optional<std::size_t> target() {
        const std::uint8_t b = in.byte();
        return b % (slot_count + 1) == slot_count ? std::nullopt : std::optional(b % slot_count);
    }

    // Runs one acting operation on the real characters, with the failure that op 13 armed, if
    // any. Returns whether it completed; if it threw instead, the model stays as it was, and
    // the check that follows demands the same of every real field and of the output.
    template <class Operation>
    bool acted(Operation operation) {
        failingnew::arm(failure.first, failure.second);
        failure = {};
        bool done = true;
        try {
            operation();
        } catch (const std::bad_alloc&) {
            done = false;
        }
        failingnew::arm(0);
        return done;
    }

    template <class T>
    T* realtarget(std::optional<std::size_t> t) {
        return t ? as<T>(slots.at(*t)) : nullptr;
    }

    // Builds a character of any class. Hero, Warrior and Mage get anywhere from none to all of
    // their arguments, and the constructor's defaults fill in the rest.
    void build(std::size_t a) {
        const std::uint8_t how = in.byte();
        const int args = how / 5 % 5;
        Model m{true, "Unknown", 100, 1, std::nullopt, std::nullopt, false};
        const std::string nm = args > 0 ? in.name() : m.name;
        const int lvl = args > 1 ? in.value() : 1;
        const int lf = args > 2 ? in.value() : 100;
        const int own = args > 3 ? in.value() : (how % 5 == 1 ? 25 : 100);
        m.name = nm;
        m.level = lvl;
        m.life = lf;
        Character& c = slots.at(a);
        switch (how % 5) {
            case 0: emplace<Hero>(c, args, nm, lvl, lf, own); break;
            case 1:
                emplace<Warrior>(c, args, nm, lvl, lf, own);
                m.armor = own;
                break;
            case 2:
                emplace<Mage>(c, args, nm, lvl, lf, own);
                m.mana = own;
                break;
            case 3:
                c.emplace<Bloodmage>(nm, lvl, lf, own);
                m.mana = own;
                m.bloodmage = true;
                break;
            default: {
                const int mn = in.value();
                c.emplace<Warmage>(nm, lvl, lf, own, mn);
                m.armor = own;
                m.mana = mn;
            }
        }
        models.at(a) = m;
    }

    template <class T>
    static void emplace(Character& c, int args, const std::string& nm, int lvl, int lf, int own) {
        switch (args) {
            case 0: c.emplace<T>(); break;
            case 1: c.emplace<T>(nm); break;
            case 2: c.emplace<T>(nm, lvl); break;
            case 3: c.emplace<T>(nm, lvl, lf); break;
            default:
                if constexpr (std::is_same_v<T, Hero>) {
                    c.emplace<T>(nm, lvl, lf);
                } else {
                    c.emplace<T>(nm, lvl, lf, own);
                }
        }
    }

    void copy(std::size_t a, std::size_t b) {
        slots.at(a) = slots.at(b);
        models.at(a) = models.at(b);
    }

    // Moves b into a and empties b, whose moved-from state the rules do not fix.
    void move(std::size_t a, std::size_t b) {
        if (a == b) {
            return;
        }
        slots.at(a) = std::move(slots.at(b));
        slots.at(b) = std::monostate{};
        models.at(a) = models.at(b);
        models.at(b) = Model{};
    }

    void compare(std::size_t a, std::size_t b) {
        if (!models.at(a).present || !models.at(b).present) {
            return;
        }
        if ((*as<Hero>(slots.at(a)) > *as<Hero>(slots.at(b))) !=
            (models.at(a).level > models.at(b).level)) {
            fail("operator> disagrees with the levels");
        }
    }

    void attack(std::size_t a, std::optional<std::size_t> t, int d, bool armoured) {
        if (!models.at(a).armor) {
            return;
        }
        auto* w = as<Warrior>(slots.at(a));
        const bool done = acted([&] {
            if (armoured) {
                w->attack(realtarget<Warrior>(t), d);
            } else {
                w->attack(realtarget<Hero>(t), d);
            }
        });
        if (!done || !t || !models.at(*t).present || (armoured && !models.at(*t).armor)) {
            return;
        }
        Model& x = models.at(*t);
        const Wide dealt = armoured && *x.armor != 0 ? held(d / *x.armor) : d;
        x.life = held(x.life - dealt);
        say(models.at(a).name + " deals " + num(dealt) + " damage to " + x.name);
    }

    void cast(std::size_t a, std::optional<std::size_t> t, int d, bool blood) {
        Model& me = models.at(a);
        if (!me.mana || (blood && !me.bloodmage)) {
            return;
        }
        const bool done = acted([&] {
            if (blood) {
                as<Bloodmage>(slots.at(a))->castspell(realtarget<Hero>(t), d);
            } else {
                as<Mage>(slots.at(a))->castspell(realtarget<Hero>(t), d);
            }
        });
        if (!done || !t || !models.at(*t).present) {
            return;
        }
        Wide& mana = *me.mana;
        if (!blood && mana < d) {
            say(me.name + " has not enough mana");
            return;
        }
        if (!blood || d < mana) {
            mana = held(mana - d);
        } else {
            me.life = held(me.life - (d - mana));
            mana = 0;
        }
        Model& x = models.at(*t);
        x.life = held(x.life - d);
        say(me.name + " deals " + num(d) + " spell damage to " + x.name);
    }

    void set(std::size_t a, bool hero_fields) {
        const std::uint8_t which = in.byte();
        const int v = in.value();
        Model& m = models.at(a);
        Character& c = slots.at(a);
        if (hero_fields) {
            if (Hero* h = as<Hero>(c)) {
                if (which % 3 == 0) {
                    h->setlife(v);
                    m.life = v;
                } else if (which % 3 == 1) {
                    h->setlevel(v);
                    m.level = v;
                } else {
                    m.name = in.name();
                    h->setname(m.name);
                }
            }
        } else if (which % 2 == 0) {
            if (auto* w = as<Warrior>(c)) {
                w->setarmor(v);
                m.armor = v;
            }
        } else if (Mage* mg = as<Mage>(c)) {
            mg->setmana(v);
            m.mana = v;
        }
    }

    void say(const std::string& line) { expected += line + "\n"; }

    void check(int step, std::uint8_t op) {
        const std::string written = out.take();
        if (written != expected) {
            fail("step " + num(step) + " (op " + num(op % op_count) + ") wrote\n" + written +
                 "instead of\n" + expected);
        }
        expected.clear();
        for (std::size_t i = 0; i < slot_count; ++i) {
            const Model& m = models.at(i);
            const Hero* h = as<Hero>(slots.at(i));
            const Warrior* w = as<Warrior>(slots.at(i));
            const Mage* mg = as<Mage>(slots.at(i));
            const bool same =
                (h != nullptr) == m.present && (w != nullptr) == m.armor.has_value() &&
                (mg != nullptr) == m.mana.has_value() &&
                (h == nullptr ||
                 (h->getname() == m.name && h->getlife() == m.life && h->getlevel() == m.level)) &&
                (w == nullptr || w->getarmor() == *m.armor) &&
                (mg == nullptr || mg->getmana() == *m.mana);
            if (!same) {
                fail("step " + num(step) + " (op " + num(op % op_count) + "): slot " +
                     num(static_cast<Wide>(i)) + " differs from the model");
            }
        }
    }

    [[noreturn]] static void fail(const std::string& what) {
        std::cerr << "character sequence: " << what << std::endl;
        std::abort();
    }

    Reader in;
    std::array<Character, slot_count> slots{};
    std::array<Model, slot_count> models{};
    std::string expected;
    // What op 13 armed for the next acting operation.
    std::pair<std::size_t, failingnew::Failure> failure;
    CoutCapture out;
};

}  // namespace

void runcharactersequence(const std::uint8_t* data, std::size_t size) {
    Sequence(Reader(data, size)).run();
}
