// The box that says a round is paused and how to go on: "paused", the keys bound to steer and
// to switch the sound, and the keys that resume, open the settings and leave, in the game's
// lettering on a dark box in the middle of the maze. Showing it keeps a
// copy of the picture under it, and hiding it puts that copy back, so the round's picture
// comes back exactly.
#pragma once

#include "kuGeomUtil.h"
#include "kuImages.h"
#include "quaroSettings.h"

#include <functional>
#include <string>

class Audio;
class VorlanInputHandler;
class kuScreen;
class quaroLettering;

class pauseBox {
public:
    static const kuRectangle area;
    static const std::string title;
    // The keys that steer and switch the sound, as bound.
    static std::string reminderLine(const quaroSettings& settings);
    // The keys that go on, open the settings and leave, as bound.
    static std::string keysLine(const quaroSettings& settings);

    // None is owned; the lettering draws without a background of its own.
    pauseBox(kuScreen* screen, quaroLettering* font, const quaroSettings& settings);

    // Draws the box over the picture (recorded, not yet shown).
    void show();
    // Draws back what the box covered (recorded, not yet shown); nothing when it is hidden.
    void hide();
    // Pauses a round between two frames: shows the box, pauses the sound, and waits frame by
    // frame until the round's handler asks to resume or to leave; then shows the picture as it
    // was. Nothing of the round runs meanwhile. The pause and resume requests are cleared.
    // Asked for the settings, it runs openSettings and shows the round and the box again.
    void hold(Audio& audio, VorlanInputHandler& input, const std::function<void()>& waitFrame,
              const std::function<void()>& openSettings = nullptr);

private:
    // Keeps the round's picture while the settings screen covers it.
    void showAfterSettings(const std::function<void()>& openSettings);

    kuScreen* screen;
    quaroLettering* font;
    const quaroSettings& settings;
    kuImage under;
};
