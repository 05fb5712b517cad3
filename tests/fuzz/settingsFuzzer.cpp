// Feeds arbitrary text to the settings reader: whatever it holds, the settings it gives are
// whole (every action its own key, every pad action its own named button, every number in
// range), and written out they read back the
// same, with no problem.
#include "quaroSettings.h"

#include <algorithm>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const settingsRead read = parseSettings(std::string(data, data + size));
    const quaroSettings& s = read.settings;
    for (size_t i = 0; i < s.keys.size(); ++i)
        if (std::count(s.keys.begin(), s.keys.end(), s.keys[i]) != 1)
            std::abort();
    for (const int button : s.padButtons)
        if (std::count(s.padButtons.begin(), s.padButtons.end(), button) != 1 ||
            kuPadButtonName(button).empty())
            std::abort();
    if (s.effectsVolume < 0 || s.effectsVolume > 100 || s.voicesVolume < 0 ||
        s.voicesVolume > 100 || s.speed < quaroSettings::slowestSpeed || s.speed > 100 ||
        s.lives < 1 || s.lives > quaroSettings::mostLives || s.scale < 0 ||
        s.scale > quaroSettings::maxScale)
        std::abort();
    const settingsRead again = parseSettings(formatSettings(s));
    if (!again.problems.empty() || again.settings != s)
        std::abort();
    return 0;
}
