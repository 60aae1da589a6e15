// The same family designed freely, with no interface fixed: a root with a virtual destructor, a
// print each class extends through a private virtual function, a castspell Bloodmage overrides,
// and a band owned through pointers to the root, told apart with dynamic_cast.
#include <algorithm>
#include <iostream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace free_design {

// The root. Owners may hold any character as a Hero and delete it through the Hero: the
// destructor is virtual. A copy through a Hero& would slice, so characters are not copied.
class Hero {
public:
    Hero(std::string nm, int lvl, int lf) : name(std::move(nm)), level(lvl), life(lf) {}
    virtual ~Hero() = default;
    Hero(const Hero&) = delete;
    Hero& operator=(const Hero&) = delete;
    Hero(Hero&&) = delete;
    Hero& operator=(Hero&&) = delete;

    [[nodiscard]] const std::string& getname() const { return name; }
    void takedamage(int d) { life -= d; }

    // Writes the status line, then what the character's class adds to it.
    void print() const {
        std::cout << "Hero: " << name << ", " << level << ", " << life << "\n";
        details();
    }

private:
    // What a class adds to the status. Private: a descendant may override it, only print calls
    // it.
    virtual void details() const {}

    std::string name;
    int level;
    int life;
};

class Warrior : public virtual Hero {
public:
    Warrior(std::string nm, int lvl, int lf, int arm) : Hero(std::move(nm), lvl, lf), armor(arm) {}

    [[nodiscard]] int getarmor() const { return armor; }

    // x loses d, divided by its armor if x is a Warrior, whatever the type it is passed as.
    void attack(Hero& x, int d) const {
        const auto* target = dynamic_cast<const Warrior*>(&x);
        const int damage = target != nullptr && target->armor != 0 ? d / target->armor : d;
        x.takedamage(damage);
        std::cout << getname() << " deals " << damage << " damage to " << x.getname() << "\n";
    }

private:
    void details() const override { std::cout << "armor " << armor << "\n"; }

    int armor;
};

class Mage : public virtual Hero {
public:
    Mage(std::string nm, int lvl, int lf, int mn) : Hero(std::move(nm), lvl, lf), mana(mn) {}

    [[nodiscard]] int getmana() const { return mana; }

    // Takes d life from x for d mana, or, without enough mana, says so.
    virtual void castspell(Hero& x, int d) {
        if (d > mana) {
            std::cout << getname() << " has not enough mana\n";
            return;
        }
        spend(d);
        hit(x, d);
    }

protected:
    // For the spells of descendants: spends the mana there is, up to d, and returns how much
    // it lacked.
    int spend(int d) {
        const int paid = std::min(d, mana);
        mana -= paid;
        return d - paid;
    }

    void hit(Hero& x, int d) const {
        x.takedamage(d);
        std::cout << getname() << " deals " << d << " spell damage to " << x.getname() << "\n";
    }

private:
    void details() const override { std::cout << "mana " << mana << "\n"; }

    int mana;
};

class Bloodmage : public Mage {
public:
    Bloodmage(std::string nm, int lvl, int lf, int mn)
        : Hero(std::move(nm), lvl, lf), Mage(std::string(), lvl, lf, mn) {}

    // Pays with its life what its mana cannot, called as a Bloodmage or through a Mage.
    void castspell(Hero& x, int d) override {
        takedamage(spend(d));
        hit(x, d);
    }
};

class Warmage : public Warrior, public Mage {
public:
    Warmage(std::string nm, int lvl, int lf, int arm, int mn)
        : Hero(std::move(nm), lvl, lf),
          Warrior(std::string(), lvl, lf, arm),
          Mage(std::string(), lvl, lf, mn) {}

private:
    // Warrior and Mage both override details, so Warmage must: a class in which a virtual
    // function has two final overriders, one from each side, does not compile.
    void details() const override {
        std::cout << "armor " << getarmor() << ", mana " << getmana() << "\n";
    }
};

}  // namespace free_design

int main() {
    using namespace free_design;
    std::vector<std::unique_ptr<Hero>> band;
    band.push_back(std::make_unique<Bloodmage>("Ulvar", 8, 50, 50));
    band.push_back(std::make_unique<Warmage>("Ezmund", 5, 40, 40, 20));
    Warrior grell("Grell", 3, 60, 50);
    for (const auto& member : band) {
        member->print();
        if (auto* mage = dynamic_cast<Mage*>(member.get())) {
            mage->castspell(grell, 60);
        }
    }
    grell.attack(*band.back(), 80);
}
