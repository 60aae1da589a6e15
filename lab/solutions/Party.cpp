#include "Party.h"

#include <memory>
#include <utility>

void Party::add(std::unique_ptr<Warrior> w) {
    if (w) {
        warriors.push_back(std::move(w));
        members.push_back(warriors.back().get());
    }
}

void Party::add(std::unique_ptr<Mage> m) {
    if (m) {
        mages.push_back(std::move(m));
        members.push_back(mages.back().get());
    }
}

void Party::print() const {
    for (const Hero* member : members) {
        member->print();
    }
}
