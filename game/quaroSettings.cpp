#include "quaroSettings.h"

#include "kuFiles.h"
#include "kuKeyNames.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <map>

namespace {

const char* const actionNames[quaroSettings::actionCount] = {"up",    "down",  "left", "right",
                                                             "pause", "leave", "mute"};

const char* const padActionNames[kuPadActionCount] = {"confirm", "pause", "leave", "table"};

std::string trimmed(const std::string& text) {
    const auto isSpace = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    const auto first = std::find_if_not(text.begin(), text.end(), isSpace);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), isSpace).base();
    return first < last ? std::string(first, last) : std::string();
}

std::string lowered(std::string text) {
    for (char& c : text)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// A whole decimal number from low to high; none for anything else.
std::optional<int> numberIn(const std::string& text, int low, int high) {
    if (text.empty() || text.size() > 3 || !std::all_of(text.begin(), text.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c)) != 0;
        }))
        return std::nullopt;
    const int value = std::stoi(text);
    if (value < low || value > high)
        return std::nullopt;
    return value;
}

std::optional<bool> yesOrNo(const std::string& text) {
    const std::string word = lowered(text);
    if (word == "yes")
        return true;
    if (word == "no")
        return false;
    return std::nullopt;
}

const char* yesNo(bool value) {
    return value ? "yes" : "no";
}

// Reads one "name=value" line of a section into the settings; returns why it cannot, or
// empty when it did.
class lineReader {
public:
    explicit lineReader(quaroSettings& settings) : settings(settings) {}

    std::string read(const std::string& section, const std::string& name,
                     const std::string& value) {
        if (section.empty())
            return name == "version" ? versionLine(value) : "a setting outside any section";
        if (section == "keys")
            return keyLine(name, value);
        if (section == "pad")
            return padLine(name, value);
        const auto known = setters.find(section + "." + name);
        if (known == setters.end())
            return "unknown name '" + name + "' in [" + section + "]";
        return known->second(value) ? "" : "bad value '" + value + "' for " + name;
    }

private:
    std::string versionLine(const std::string& value) {
        return numberIn(value, 1, quaroSettings::formatVersion) ? ""
                                                                : "unknown version '" + value + "'";
    }

    std::string keyLine(const std::string& name, const std::string& value) {
        const auto action = std::find(std::begin(actionNames), std::end(actionNames), name);
        if (action == std::end(actionNames))
            return "unknown action '" + name + "' in [keys]";
        const std::optional<SDLKey> key = kuKeyFromName(value);
        if (!key)
            return "unknown key '" + value + "' for " + name;
        const boundAction chosen = boundAction(action - std::begin(actionNames));
        const std::optional<boundAction> holder = settings.actionOf(*key);
        if (holder && *holder != chosen && boundInFile[size_t(*holder)])
            return "the key '" + value + "' is bound to " + actionNames[size_t(*holder)] +
                   " already";
        settings.bind(chosen, *key);
        boundInFile[size_t(chosen)] = true;
        return "";
    }

    std::string padLine(const std::string& name, const std::string& value) {
        const auto action = std::find(std::begin(padActionNames), std::end(padActionNames), name);
        if (action == std::end(padActionNames))
            return "unknown action '" + name + "' in [pad]";
        const std::optional<int> button = kuPadButtonFromName(value);
        if (!button)
            return "unknown button '" + value + "' for " + name;
        const kuPadAction chosen = kuPadAction(action - std::begin(padActionNames));
        const std::optional<kuPadAction> holder = settings.padActionOf(*button);
        if (holder && *holder != chosen && padBoundInFile[size_t(*holder)])
            return "the button '" + value + "' is bound to " + padActionNames[size_t(*holder)] +
                   " already";
        settings.bindPad(chosen, *button);
        padBoundInFile[size_t(chosen)] = true;
        return "";
    }

    quaroSettings& settings;
    std::array<bool, quaroSettings::actionCount> boundInFile = {};
    std::array<bool, kuPadActionCount> padBoundInFile = {};
    const std::map<std::string, std::function<bool(const std::string&)>> setters = {
        {"sound.effects", number(settings.effectsVolume, 0, quaroSettings::fullVolume)},
        {"sound.voices", number(settings.voicesVolume, 0, quaroSettings::fullVolume)},
        {"assist.speed",
         number(settings.speed, quaroSettings::slowestSpeed, quaroSettings::designedSpeed)},
        {"assist.lives",
         number(settings.lives, quaroSettings::designedLives, quaroSettings::mostLives)},
        {"display.window", flag(settings.windowed)},
        {"display.scale", number(settings.scale, 0, quaroSettings::maxScale)},
        {"display.reduced-flashing", flag(settings.reducedFlashing)},
    };

    static std::function<bool(const std::string&)> number(int& field, int low, int high) {
        return [&field, low, high](const std::string& value) {
            const std::optional<int> read = numberIn(value, low, high);
            if (read)
                field = *read;
            return read.has_value();
        };
    }
    static std::function<bool(const std::string&)> flag(bool& field) {
        return [&field](const std::string& value) {
            const std::optional<bool> read = yesOrNo(value);
            if (read)
                field = *read;
            return read.has_value();
        };
    }
};

} // namespace

const char* const settingsFile::damagedSuffix = ".damaged";

void quaroSettings::bind(boundAction action, SDLKey key) {
    const std::optional<boundAction> holder = actionOf(key);
    if (holder)
        keys[size_t(*holder)] = keys[size_t(action)];
    keys[size_t(action)] = key;
}

std::optional<boundAction> quaroSettings::actionOf(SDLKey key) const {
    const auto found = std::find(keys.begin(), keys.end(), key);
    if (found == keys.end())
        return std::nullopt;
    return boundAction(found - keys.begin());
}

void quaroSettings::bindPad(kuPadAction action, int button) {
    const std::optional<kuPadAction> holder = padActionOf(button);
    if (holder)
        padButtons[size_t(*holder)] = padButtons[size_t(action)];
    padButtons[size_t(action)] = button;
}

std::optional<kuPadAction> quaroSettings::padActionOf(int button) const {
    const auto found = std::find(padButtons.begin(), padButtons.end(), button);
    if (found == padButtons.end())
        return std::nullopt;
    return kuPadAction(found - padButtons.begin());
}

uint32_t quaroSettings::frameMs(uint32_t designedFrameMs) const {
    return designedFrameMs * uint32_t(designedSpeed) / uint32_t(speed);
}

bool quaroSettings::operator==(const quaroSettings& other) const {
    return keys == other.keys && padButtons == other.padButtons &&
           effectsVolume == other.effectsVolume && voicesVolume == other.voicesVolume &&
           speed == other.speed && lives == other.lives && windowed == other.windowed &&
           scale == other.scale && reducedFlashing == other.reducedFlashing;
}

const char* actionName(boundAction action) {
    return actionNames[size_t(action)];
}

const char* padActionName(kuPadAction action) {
    return padActionNames[size_t(action)];
}

settingsRead parseSettings(const std::string& text) {
    settingsRead result;
    lineReader reader(result.settings);
    std::string section;
    int number = 0;
    for (size_t start = 0; start < text.size();) {
        const size_t end = std::min(text.find('\n', start), text.size());
        const std::string content = trimmed(text.substr(start, end - start));
        start = end + 1;
        ++number;
        std::string problem;
        if (content.empty() || content[0] == '#' || content[0] == ';')
            continue;
        if (content.front() == '[') {
            section = content.back() == ']'
                          ? lowered(trimmed(content.substr(1, content.size() - 2)))
                          : std::string();
            const bool known = section == "keys" || section == "pad" || section == "sound" ||
                               section == "assist" || section == "display";
            if (!known)
                problem = "unknown section '" + content + "'";
        } else if (const size_t equals = content.find('='); equals == std::string::npos) {
            problem = "no '=' in '" + content + "'";
        } else {
            problem = reader.read(section, lowered(trimmed(content.substr(0, equals))),
                                  trimmed(content.substr(equals + 1)));
        }
        if (!problem.empty())
            result.problems.push_back("line " + std::to_string(number) + ": " + problem);
    }
    return result;
}

std::string formatSettings(const quaroSettings& settings) {
    const auto number = [](int value) { return std::to_string(value); };
    std::string out =
        "# The settings of Quaro: the game rewrites this file when a setting changes.\n"
        "version=" +
        number(quaroSettings::formatVersion) + "\n\n[keys]\n";
    for (int i = 0; i < quaroSettings::actionCount; ++i)
        out += std::string(actionNames[i]) + "=" + kuKeyName(settings.keys[size_t(i)]) + "\n";
    out += "\n[pad]\n";
    for (int i = 0; i < kuPadActionCount; ++i)
        out += std::string(padActionNames[i]) + "=" +
               kuPadButtonName(settings.padButtons[size_t(i)]) + "\n";
    out += "\n[sound]\neffects=" + number(settings.effectsVolume) +
           "\nvoices=" + number(settings.voicesVolume) +
           "\n\n[assist]\nspeed=" + number(settings.speed) + "\nlives=" + number(settings.lives) +
           "\n\n[display]\nwindow=" + yesNo(settings.windowed) +
           "\nscale=" + number(settings.scale) +
           "\nreduced-flashing=" + yesNo(settings.reducedFlashing) + "\n";
    return out;
}

settingsRead settingsFile::load() {
    const kuFileRead read = kuReadRegularFile(file, maxFileBytes);
    settingsRead result;
    if (read.missing)
        return result;
    if (!read.error.empty() || read.longer) {
        damaged = read.longer; // a folder or a device in its place is left alone
        result.problems.push_back(
            read.longer ? "longer than " + std::to_string(maxFileBytes) + " bytes" : read.error);
        return result;
    }
    result = parseSettings(std::string(read.bytes.begin(), read.bytes.end()));
    damaged = !result.problems.empty();
    return result;
}

bool settingsFile::save(const quaroSettings& settings, std::string& error) {
    if (damaged && !kuKeepAside(file, damagedSuffix, 1)) {
        error = "the damaged " + file + " could not be kept aside";
        return false;
    }
    const std::string text = formatSettings(settings);
    if (!kuReplaceFile(file, std::vector<uint8_t>(text.begin(), text.end()), error))
        return false;
    damaged = false;
    return true;
}
