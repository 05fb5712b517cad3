#include "pauseBox.h"

#include "kuAudio.h"
#include "kuScreen.h"
#include "quaroCounter.h"
#include "vorlanInput.h"

namespace {

const char* const pausedText = "paused";
constexpr int32_t textLength = 6;
constexpr uint32_t border = 2;
constexpr uint32_t boxWidth = 150;
constexpr uint32_t boxHeight = 55;
constexpr pt mazeMiddle = {380, 260};

struct colour {
    int red, green, blue;
};
constexpr colour frameColour = {232, 200, 120};
constexpr colour boxColour = {36, 24, 14};

} // namespace

const kuRectangle pauseBox::area = {mazeMiddle.x - int32_t(boxWidth / 2),
                                    mazeMiddle.y - int32_t(boxHeight / 2), boxHeight, boxWidth};

pauseBox::pauseBox(kuScreen* screen, quaroCounter* font) : screen(screen), font(font) {
    under.setScreen(screen);
}

void pauseBox::show() {
    under.grab(area);
    screen->beginUpdate();
    screen->fillRect(area, frameColour.red, frameColour.green, frameColour.blue);
    screen->fillRect(rectManip::expandRect(area, -int32_t(border), -int32_t(border)), boxColour.red,
                     boxColour.green, boxColour.blue);
    const pt text = {mazeMiddle.x - textLength * quaroCounter::glyphWidth / 2,
                     mazeMiddle.y - quaroCounter::glyphHeight / 2};
    font->drawText(pausedText, text);
    screen->endUpdate();
}

void pauseBox::hide() {
    if (!under.isOpen())
        return;
    const kuRectangle whole = {0, 0, area.height, area.width};
    under.display(whole, {area.x, area.y});
    under.close();
}

void pauseBox::hold(Audio& audio, VorlanInputHandler& input,
                    const std::function<void()>& waitFrame) {
    show();
    screen->update();
    audio.setPaused(true);
    input.pauseRequested = input.resumeRequested = false;
    while (!input.resumeRequested && !input.quit) {
        input.pollEvents();
        waitFrame();
    }
    audio.setPaused(false);
    hide();
    screen->update();
    input.pauseRequested = input.resumeRequested = false;
}
