// The settings screen: one row per setting, in two columns on a dark board over a picture of
// the game, chosen with the arrows (or the pad's d-pad) and changed in place. On a key's row,
// Enter (or the pad's confirm button) waits for the key to bind, on a pad button's row for the
// button: Escape cancels, a key or button bound to another action swaps with it, one the game
// cannot name is refused. Left and Right move a slider or a choice; a volume
// plays its sample as it moves. Every change applies at once, through the caller's change.
// Escape, the pad's table or leave button, or Enter on "back" leave it.
#pragma once

#include "kuGamepad.h"
#include "kuInput.h"
#include "quaroSettings.h"

#include <functional>
#include <string>
#include <vector>

class kuImage;
class kuScreen;
class quaroLettering;

// What the screen works with; nothing is owned.
struct settingsContext {
    kuScreen* screen = nullptr;
    quaroLettering* font = nullptr;
    kuImage* backdrop = nullptr; // a picture of the screen's size, drawn under the board
    kuEventHook* hook = nullptr; // the keys every screen shares
    std::function<void()> waitFrame;
    std::function<bool()> closing; // true once the game was asked to close
    // Applies and keeps the settings; called after every change.
    std::function<void(const quaroSettings&)> change;
    // Plays the sample of the effects' volume, or of the voices'.
    std::function<void(bool voices)> sample;
};

class settingsScreen {
public:
    enum class row {
        up,
        down,
        left,
        right,
        pause,
        leave,
        mute,
        padConfirm,
        padPause,
        padLeave,
        padTable,
        effects,
        voices,
        speed,
        lives,
        window,
        flashing,
        back
    };
    static constexpr int rowCount = int(row::back) + 1;
    static constexpr int volumeStep = 10;
    static constexpr int speedStep = 10;

    settingsScreen(const settingsContext& context, const quaroSettings& settings);

    // Shows the screen and runs it until the player leaves it; returns the settings then.
    quaroSettings run();

    // One key press or pad press as the screen takes it; false once the player left.
    bool pressKey(SDLKey key);
    bool pressPad(const kuPadPress& press, int directionX, int directionY);
    // The first row of the second column.
    static constexpr int secondColumn = int(row::effects);

    int selected() const { return current; }
    // Waiting for the key, or the pad's button, to bind to the selected row.
    bool waitingForKey() const { return binding; }
    const quaroSettings& chosen() const { return settings; }
    // The text of a row as the screen writes it: "left: J", "speed: 60%".
    std::string rowText(int which) const;
    // Draws the whole screen (recorded, not yet shown).
    void draw();

private:
    class input : public kuInputHandler {
    public:
        void handleEvent(SDL_Event* event) override;
        std::vector<SDL_Event> events;
        kuPadReader pad;
    };

    void moveSelection(int by);
    void changeValue(int by);
    void choose();
    void changed(bool voices, bool sample);
    void bindButton(int button);

    settingsContext context;
    quaroSettings settings;
    int current = 0;
    bool binding = false;
    bool done = false;
    std::string note; // a line under the rows: why a key was refused, what to do now
};
