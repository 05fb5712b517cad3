#include "kuKeyNames.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace {

struct namedKey {
    const char* name;
    SDLKey key;
};

// Letters and digits are added by keyTable below.
const namedKey namedKeys[] = {
    {"Up", SDLK_UP},
    {"Down", SDLK_DOWN},
    {"Left", SDLK_LEFT},
    {"Right", SDLK_RIGHT},
    {"Space", SDLK_SPACE},
    {"Return", SDLK_RETURN},
    {"Escape", SDLK_ESCAPE},
    {"Tab", SDLK_TAB},
    {"Backspace", SDLK_BACKSPACE},
    {"Insert", SDLK_INSERT},
    {"Delete", SDLK_DELETE},
    {"Home", SDLK_HOME},
    {"End", SDLK_END},
    {"PageUp", SDLK_PAGEUP},
    {"PageDown", SDLK_PAGEDOWN},
    {"LeftShift", SDLK_LSHIFT},
    {"RightShift", SDLK_RSHIFT},
    {"LeftCtrl", SDLK_LCTRL},
    {"RightCtrl", SDLK_RCTRL},
    {"Comma", SDLK_COMMA},
    {"Period", SDLK_PERIOD},
    {"Slash", SDLK_SLASH},
    {"Semicolon", SDLK_SEMICOLON},
    {"Minus", SDLK_MINUS},
    {"Equals", SDLK_EQUALS},
    {"F1", SDLK_F1},
    {"F2", SDLK_F2},
    {"F3", SDLK_F3},
    {"F4", SDLK_F4},
    {"F5", SDLK_F5},
    {"F6", SDLK_F6},
    {"F7", SDLK_F7},
    {"F8", SDLK_F8},
    {"F9", SDLK_F9},
    {"F10", SDLK_F10},
    {"F12", SDLK_F12},
};

const std::vector<namedKey>& keyTable() {
    static const std::vector<namedKey> table = [] {
        static const char* const letters[] = {"A", "B", "C", "D", "E", "F", "G", "H", "I",
                                              "J", "K", "L", "M", "N", "O", "P", "Q", "R",
                                              "S", "T", "U", "V", "W", "X", "Y", "Z"};
        static const char* const digits[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
        std::vector<namedKey> keys(std::begin(namedKeys), std::end(namedKeys));
        for (int i = 0; i < 26; ++i)
            keys.push_back({letters[i], SDLKey(SDLK_a + i)});
        for (int i = 0; i < 10; ++i)
            keys.push_back({digits[i], SDLKey(SDLK_0 + i)});
        return keys;
    }();
    return table;
}

bool sameLetters(const std::string& a, const char* b) {
    const std::string other = b;
    return a.size() == other.size() &&
           std::equal(a.begin(), a.end(), other.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

} // namespace

std::optional<SDLKey> kuKeyFromName(const std::string& name) {
    for (const namedKey& entry : keyTable())
        if (sameLetters(name, entry.name))
            return entry.key;
    return std::nullopt;
}

std::string kuKeyName(SDLKey key) {
    for (const namedKey& entry : keyTable())
        if (entry.key == key)
            return entry.name;
    return "";
}
