#include "Hero.h"

#include <iostream>
#include <utility>

#include "saturating.h"

Hero::Hero() : Hero("Unknown") {}

Hero::Hero(std::string nm, int lvl, int lf) : name(std::move(nm)), life(lf), level(lvl) {}

std::string Hero::getname() const { return name; }

void Hero::setname(std::string nm) { name = std::move(nm); }

int Hero::getlife() const { return life; }

void Hero::setlife(int lf) { life = lf; }

int Hero::getlevel() const { return level; }

void Hero::setlevel(int lvl) { level = lvl; }

void Hero::print() const {
    std::cout << "Hero: " << name << ", " << level << ", " << life << std::endl;
}

void Hero::operator++(int) {
    level = saturating::add(level, 1);
    std::cout << name << " has gained a level!" << std::endl;
    life = saturating::add(life, 100);
}

void Hero::operator-(int d) {
    life = saturating::subtract(life, d);
    std::cout << name << " has taken " << d << " damage" << std::endl;
}

// Not const and by value, by design: see the declaration.
// NOLINTNEXTLINE(performance-unnecessary-value-param,readability-make-member-function-const)
bool Hero::operator>(Hero x) { return level > x.level; }
