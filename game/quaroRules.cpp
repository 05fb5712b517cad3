#include "quaroRules.h"

std::string quaroRules::refusal(uint16_t rules) {
    if (rules < oldest)
        return "recorded by an older version of the game's rules";
    if (rules > current)
        return "recorded by a newer version of the game's rules";
    return "";
}
