#include "Warrior.h"

#include <iostream>
#include <string>
#include <utility>

#include "saturating.h"

Warrior::Warrior() : Warrior("Unknown") {}

Warrior::Warrior(std::string nm, int lvl, int lf, int arm)
    : Hero(std::move(nm), lvl, lf), armor(arm) {}

int Warrior::getarmor() const { return armor; }

void Warrior::setarmor(int arm) { armor = arm; }

void Warrior::attack(Hero* x, int d) {
    if (x == nullptr) {
        return;
    }
    const std::string attacker = getname();
    const std::string target = x->getname();
    x->setlife(saturating::subtract(x->getlife(), d));
    std::cout << attacker << " deals " << d << " damage to " << target << std::endl;
}

void Warrior::attack(Warrior* x, int d) {
    if (x == nullptr) {
        return;
    }
    const int arm = x->getarmor();
    const int dealt = arm == 0 ? d : saturating::divide(d, arm);
    // Past the armour the blow lands like a plain one, with the divided damage.
    attack(static_cast<Hero*>(x), dealt);
}
