// The lab's fourth exercise (docs/lab.md#4-party). Deleting a Warrior through a Hero* hands
// operator delete the address of the Hero part, a virtual base laid out after the Warrior's own.
// So this file marks each block it allocates and counts a delete of an unmarked address instead
// of freeing it: the wrong owner is found every time, where freeing would crash only sometimes.
#include "Party.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

#include "Mage.h"
#include "Warrior.h"
#include "cout_capture.h"

namespace {

struct Ledger {
    std::size_t live = 0;    // allocations not yet deleted
    std::size_t strays = 0;  // deletes of an address that no allocation starts at
};
Ledger& ledger() {
    static Ledger counts;
    return counts;
}

constexpr std::size_t header = __STDCPP_DEFAULT_NEW_ALIGNMENT__;  // keeps the alignment
constexpr std::uint64_t mark = 0x6c61622070617274;  // any value a Hero part would not hold

// NOLINTBEGIN(cppcoreguidelines-no-malloc,cppcoreguidelines-owning-memory,cppcoreguidelines-pro-bounds-pointer-arithmetic)
void* allocate(std::size_t size) {
    auto* block = static_cast<unsigned char*>(std::calloc(1, header + size));
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    std::memcpy(block, &mark, sizeof mark);
    ++ledger().live;
    return block + header;
}

void release(void* p) noexcept {
    if (p == nullptr) {
        return;
    }
    unsigned char* block = static_cast<unsigned char*>(p) - header;
    if (std::memcmp(block, &mark, sizeof mark) != 0) {
        ++ledger().strays;
        return;
    }
    std::memset(block, 0, sizeof mark);
    --ledger().live;
    std::free(block);
}
// NOLINTEND(cppcoreguidelines-no-malloc,cppcoreguidelines-owning-memory,cppcoreguidelines-pro-bounds-pointer-arithmetic)

}  // namespace

void* operator new(std::size_t size) { return allocate(size); }
void operator delete(void* p) noexcept { release(p); }
void operator delete(void* p, std::size_t /*size*/) noexcept { release(p); }

namespace {

TEST(Party, PrintsItsMembersInTheOrderTheyJoinedAndNoNull) {
    CoutCapture out;
    Party party;
    party.add(std::make_unique<Warrior>("Jorv", 4, 40, 10));
    party.add(std::unique_ptr<Warrior>());  // no one
    party.add(std::make_unique<Mage>("Iris", 3, 70, 100));
    party.add(std::unique_ptr<Mage>());
    party.add(std::make_unique<Warrior>("Grell", 3, 60, 50));
    party.print();
    EXPECT_EQ(out.take(),
              "Hero: Jorv, 4, 40\n"
              "Hero: Iris, 3, 70\n"
              "Hero: Grell, 3, 60\n");
}

TEST(Party, DeletesEachMemberAsItsOwnClass) {
    const Ledger before = ledger();
    {
        Party party;
        party.add(std::make_unique<Warrior>("Jorv", 4, 40, 10));
        party.add(std::make_unique<Mage>("Iris", 3, 70, 100));
    }
    const Ledger after = ledger();  // before an assertion's message allocates
    EXPECT_EQ(after.strays - before.strays, 0U)
        << "a member was deleted through a pointer to a base class that has no virtual "
           "destructor: docs/extending.md#traps";
    EXPECT_EQ(after.live - after.strays, before.live - before.strays)
        << "a member was never deleted";
}

}  // namespace
