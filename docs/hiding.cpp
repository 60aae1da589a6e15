// Hiding: three calls of castspell on equal Bloodmages, each naming the function differently.
// No function is virtual, so how the call names it decides, when the call is compiled, which
// one runs.
#include "Bloodmage.h"
#include "Hero.h"
#include "Mage.h"

int main() {
    Hero target("Jorv", 4, 1000);

    Bloodmage first("Tamrin", 50, 95, 95);
    first.castspell(&target, 100);
    first.print();

    Bloodmage second("Tamrin", 50, 95, 95);
    second.Mage::castspell(&target, 100);
    second.print();

    Bloodmage third("Tamrin", 50, 95, 95);
    Mage& as_mage = third;
    as_mage.castspell(&target, 100);
    third.print();
}
