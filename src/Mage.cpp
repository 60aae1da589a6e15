#include "Mage.h"

#include <iostream>
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
    setmana(saturating::sub(mana, d));
    landspell(x, d);
}

void Mage::landspell(Hero* x, int d) {
    x->setlife(saturating::sub(x->getlife(), d));
    std::cout << getname() << " deals " << d << " spell damage to " << x->getname() << std::endl;
}
