#include "pauseBox.h"

#include "fontLayout.h"
#include "kuAudio.h"
#include "kuKeyNames.h"
#include "kuScreen.h"
#include "quaroLettering.h"
#include "vorlanInput.h"

namespace {

constexpr uint32_t border = 2;
constexpr uint32_t boxWidth = 580;
constexpr uint32_t boxHeight = 112;
constexpr int32_t lineGap = 6;
constexpr pt mazeMiddle = {380, 260};

struct colour {
    int red, green, blue;
};
constexpr colour frameColour = {232, 200, 120};
constexpr colour boxColour = {36, 24, 14};

} // namespace

const kuRectangle pauseBox::area = {mazeMiddle.x - int32_t(boxWidth / 2),
                                    mazeMiddle.y - int32_t(boxHeight / 2), boxHeight, boxWidth};
const std::string pauseBox::title = "paused";
namespace {
const std::string dot = std::string(" ") + fontLayout::middleDot + " ";

std::string nameOf(const quaroSettings& settings, boundAction action) {
    return kuKeyName(settings.key(action));
}
} // namespace

std::string pauseBox::reminderLine(const quaroSettings& settings) {
    return nameOf(settings, boundAction::up) + " " + nameOf(settings, boundAction::down) + " " +
           nameOf(settings, boundAction::left) + " " + nameOf(settings, boundAction::right) +
           ": steer" + dot + nameOf(settings, boundAction::mute) + ": sound";
}

std::string pauseBox::keysLine(const quaroSettings& settings) {
    return nameOf(settings, boundAction::pause) + ", Space: go on" + dot + "O: settings" + dot +
           nameOf(settings, boundAction::leave) + ": leave";
}

pauseBox::pauseBox(kuScreen* screen, quaroLettering* font, const quaroSettings& settings)
    : screen(screen), font(font), settings(settings) {
    under.setScreen(screen);
}

void pauseBox::show() {
    under.grab(area);
    screen->beginUpdate();
    screen->fillRect(area, frameColour.red, frameColour.green, frameColour.blue);
    screen->fillRect(rectManip::expandRect(area, -int32_t(border), -int32_t(border)), boxColour.red,
                     boxColour.green, boxColour.blue);
    const int32_t lineStep = quaroLettering::height + lineGap;
    const int32_t top = mazeMiddle.y - quaroLettering::height / 2 - lineStep;
    font->drawCentred(title, mazeMiddle.x, top);
    font->drawCentred(font->drawable(reminderLine(settings)), mazeMiddle.x, top + lineStep);
    font->drawCentred(font->drawable(keysLine(settings)), mazeMiddle.x, top + 2 * lineStep);
    screen->endUpdate();
}

void pauseBox::hide() {
    if (!under.isOpen())
        return;
    const kuRectangle whole = {0, 0, area.height, area.width};
    under.display(whole, {area.x, area.y});
    under.close();
}

void pauseBox::hold(Audio& audio, VorlanInputHandler& input, const std::function<void()>& waitFrame,
                    const std::function<void()>& openSettings) {
    show();
    screen->update();
    audio.setPaused(true);
    input.pauseRequested = input.resumeRequested = input.settingsRequested = false;
    while (!input.resumeRequested && !input.quit) {
        input.pollEvents();
        if (input.settingsRequested && openSettings) {
            input.settingsRequested = false;
            showAfterSettings(openSettings);
        }
        waitFrame();
    }
    audio.setPaused(false);
    hide();
    screen->update();
    input.pauseRequested = input.resumeRequested = false;
}

void pauseBox::showAfterSettings(const std::function<void()>& openSettings) {
    hide();
    kuImage round;
    round.setScreen(screen);
    const sz size = screen->getSize();
    const kuRectangle whole = {0, 0, size.height, size.width};
    round.grab(whole);
    openSettings();
    round.display(whole, pointManip::zeroPoint);
    show();
    screen->update();
}
