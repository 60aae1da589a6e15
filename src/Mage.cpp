#include "Mage.h"

#include <iostream>
#include <string>
#include <utility>

#include "saturating.h"

Mage::Mage() : Mage("Unknown") {}

Mage::Mage(std::string nm, int lvl, int lf, int mn) : Hero(std::move(nm), lvl, lf), mana(mn) {}

int Mage::getmana() const { return mana; }

void Mage::setmana(int mn) { mana = mn; }

void Mage::castspell(Hero* x, int d) {
    if (x == nullptr) {
        return;
    }
    if (mana < d) {
        std::cout << getname() << " has not enough mana" << std::endl;
        return;
    }
    const std::string caster = getname();
    const std::string target = x->getname();
    mana = saturating::subtract(mana, d);
    x->setlife(saturating::subtract(x->getlife(), d));
    writespell(caster, d, target);
}

void Mage::writespell(const std::string& caster, int d, const std::string& target) {
    std::cout << caster << " deals " << d << " spell damage to " << target << std::endl;
}
