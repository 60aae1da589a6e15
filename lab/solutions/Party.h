// Party: Warriors and Mages together, each owned as its own class, all seen alike as Heroes.
#pragma once

#include <memory>
#include <vector>

#include "Hero.h"
#include "Mage.h"
#include "Warrior.h"

class Party {
public:
    // Takes the character in as the party's last member. A null pointer adds no one.
    void add(std::unique_ptr<Warrior> w);
    void add(std::unique_ptr<Mage> m);

    // Writes each member's status line, in the order they joined.
    void print() const;

private:
    // Hero has no virtual destructor, so each member is owned by a pointer of its own class
    // (docs/extending.md#traps), and seen through plain pointers that own nothing.
    std::vector<std::unique_ptr<Warrior>> warriors;
    std::vector<std::unique_ptr<Mage>> mages;
    std::vector<const Hero*> members;
};
