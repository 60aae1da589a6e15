/* The floor for the battle's job: the same nineteen lines, one write(2) each, nothing else. */
#include <string.h>
#include <unistd.h>

static const char* const lines[] = {
    "Hero: Morvek, 4, 80\n",
    "Jorv deals 20 damage to Morvek\n",
    "Hero: Morvek, 4, 60\n",
    "Jorv deals 2 damage to Unknown\n",
    "Hero: Unknown, 1, 98\n",
    "Jorv deals 50 damage to Unknown\n",
    "Hero: Unknown, 1, 48\n",
    "Ulvar deals 60 spell damage to Morvek\n",
    "Hero: Ulvar, 8, 40\n",
    "Hero: Morvek, 4, 0\n",
    "Tamrin has not enough mana\n",
    "Hero: Tamrin, 50, 95\n",
    "Hero: Jorv, 4, 40\n",
    "Cuth has gained a level!\n",
    "Hero: Cuth, 5, 200\n",
    "Cuth higher level than Halvardo\n",
    "Hero: Ezmund, 5, 40\n",
    "Ezmund deals 1 damage to Grell\n",
    "Ezmund deals 20 spell damage to Grell\n",
};

int main(void) {
    for (size_t i = 0; i < sizeof lines / sizeof lines[0]; ++i) {
        const size_t len = strlen(lines[i]);
        if (write(STDOUT_FILENO, lines[i], len) != (ssize_t)len) {
            return 1;
        }
    }
    return 0;
}
