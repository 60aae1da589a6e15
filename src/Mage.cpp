#include "Mage.h"

#include <iostream>
#include <string>
#include <utility>

#include "saturating.h"

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
    landspell(x, d, saturating::sub(mana, d), getlife());
}

void Mage::landspell(Hero* x, int d, int mn, int lf) {
    const std::string caster = getname();
    const std::string target = x->getname();
    setmana(mn);
    setlife(lf);
    x->setlife(saturating::sub(x->getlife(), d));
    std::cout << caster << " deals " << d << " spell damage to " << target << std::endl;
}
