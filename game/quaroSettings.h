// What a player chooses and the game remembers between runs: the keys bound to the round's
// actions and the pad's buttons, the two volumes, the assists and the display. A settings value
// always holds a whole and valid choice: every action has a key (and every pad action a button) of
// its own, no two share one, every number is in its range.
//
// File format, version 1: plain text, one "name=value" a line under "[section]" lines; blank
// lines and lines starting with '#' or ';' are comments; spaces around names and values are
// ignored; names and key names are read in any case.
//   version=1                   before any section
//   [keys]    up down left right pause leave mute = a key name (kuKeyNames.h)
//   [pad]     confirm pause leave table = a pad button's name (kuPadButtons.h)
//   [sound]   effects voices    = 0 to 100, in percent
//   [assist]  speed             = 50 to 100, in percent of the designed pace
//             lives             = 1 to 3
//   [display] window            = yes or no
//             scale             = 0 (the largest that fits) to 6
//             reduced-flashing  = yes or no
// A line that is not understood (an unknown section or name, a bad value, a key bound twice)
// is named in the problems and ignored; the rest still applies.
#pragma once

#include "kuPadButtons.h"
#include "kuSdl.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// The round's actions a key is bound to.
enum class boundAction { up, down, left, right, pause, leave, mute };

struct quaroSettings {
    static constexpr int formatVersion = 1;
    static constexpr int actionCount = 7;
    static constexpr int designedSpeed = 100;
    static constexpr int slowestSpeed = 50;
    static constexpr int designedLives = 1;
    static constexpr int mostLives = 3;
    static constexpr int maxScale = 6;
    static constexpr int fullVolume = 100;

    std::array<SDLKey, actionCount> keys = {SDLK_UP, SDLK_DOWN,   SDLK_LEFT, SDLK_RIGHT,
                                            SDLK_p,  SDLK_ESCAPE, SDLK_m};
    kuPadButtons padButtons = kuDefaultPadButtons();
    int effectsVolume = fullVolume;
    int voicesVolume = fullVolume;
    int speed = designedSpeed;
    int lives = designedLives;
    bool windowed = false;
    int scale = 0;
    bool reducedFlashing = false;

    SDLKey key(boundAction action) const { return keys[size_t(action)]; }
    // Binds the key to the action; an action that had the key takes the action's old key in
    // exchange, so that no action is ever left without one.
    void bind(boundAction action, SDLKey key);
    // The action the key is bound to; none for a key bound to nothing.
    std::optional<boundAction> actionOf(SDLKey key) const;
    int padButton(kuPadAction action) const { return padButtons[size_t(action)]; }
    // As bind, for the pad's buttons.
    void bindPad(kuPadAction action, int button);
    std::optional<kuPadAction> padActionOf(int button) const;
    // Speed or lives differ from the rules as designed: a win is no record.
    bool assisted() const { return speed != designedSpeed || lives != designedLives; }
    // How long a frame lasts at the chosen speed: 66 ms at 100%, 110 ms at 60%.
    uint32_t frameMs(uint32_t designedFrameMs) const;

    bool operator==(const quaroSettings& other) const;
    bool operator!=(const quaroSettings& other) const { return !(*this == other); }
};

// "up", "down", ..., as the file names them.
const char* actionName(boundAction action);
// "confirm", "pause", "leave", "table", as the file names them.
const char* padActionName(kuPadAction action);

struct settingsRead {
    quaroSettings settings;
    // One entry for each line ignored: "line 4: unknown name 'colour'".
    std::vector<std::string> problems;
};

// The settings the text holds, over the defaults.
settingsRead parseSettings(const std::string& text);
// The text of a file that parses back to the same settings, every setting written.
std::string formatSettings(const quaroSettings& settings);

// The settings file of one player: read once, written whole whenever a setting changes.
class settingsFile {
public:
    // A file longer than this is damaged; it is not read.
    static constexpr size_t maxFileBytes = 64 * 1024;
    // A damaged file is kept beside itself under this suffix before it is first replaced.
    static const char* const damagedSuffix;

    explicit settingsFile(std::string file) : file(std::move(file)) {}
    const std::string& name() const { return file; }

    // Reads the file: a missing one gives the defaults and no problem; one that cannot be read
    // (a folder in its place, too long) gives the defaults and names why.
    settingsRead load();
    // Replaces the file through the engine's file module; a file found damaged by load is kept
    // aside first, so no line a player wrote is ever lost. False with error saying why.
    bool save(const quaroSettings& settings, std::string& error);

private:
    std::string file;
    bool damaged = false;
};
