#include "pauseBox.h"

#include "fontLayout.h"
#include "kuAudio.h"
#include "kuScreen.h"
#include "quaroLettering.h"
#include "vorlanInput.h"

namespace {

constexpr uint32_t border = 2;
constexpr uint32_t boxWidth = 470;
constexpr uint32_t boxHeight = 80;
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
const std::string pauseBox::keysLine =
    std::string("P or Space: go on ") + fontLayout::middleDot + " Esc: leave";

pauseBox::pauseBox(kuScreen* screen, quaroLettering* font) : screen(screen), font(font) {
    under.setScreen(screen);
}

void pauseBox::show() {
    under.grab(area);
    screen->beginUpdate();
    screen->fillRect(area, frameColour.red, frameColour.green, frameColour.blue);
    screen->fillRect(rectManip::expandRect(area, -int32_t(border), -int32_t(border)), boxColour.red,
                     boxColour.green, boxColour.blue);
    const int32_t top = mazeMiddle.y - quaroLettering::height - lineGap / 2;
    font->drawCentred(title, mazeMiddle.x, top);
    font->drawCentred(keysLine, mazeMiddle.x, top + quaroLettering::height + lineGap);
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
