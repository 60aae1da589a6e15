// The overloads of Warrior::attack, chosen when the call is compiled from the type of the
// pointer passed: a Warmage* converts better to Warrior* than to Hero*, so the Warmage's armor
// divides the damage; a Bloodmage* converts only to Hero*.
#include "Bloodmage.h"
#include "Warmage.h"
#include "Warrior.h"

int main() {
    Warrior grell("Grell", 3, 60, 50);
    Warmage ezmund("Ezmund", 5, 40, 40, 20);
    grell.attack(&ezmund, 80);
    Bloodmage ulvar("Ulvar", 8, 50, 50);
    grell.attack(&ulvar, 80);
}
