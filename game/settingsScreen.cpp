#include "settingsScreen.h"

#include "kuImages.h"
#include "kuKeyNames.h"
#include "kuPlatform.h"
#include "kuScreen.h"
#include "quaroLettering.h"

#include <algorithm>

namespace {

constexpr kuRectangle board = {14, 14, 492, 732}; // x, y, height, width
constexpr uint32_t frame = 2;
constexpr int32_t rowHeight = 29;
constexpr int32_t firstRowY = 58;
constexpr int32_t labelX[2] = {36, 420};
constexpr int32_t valueX[2] = {242, 584};
constexpr uint32_t columnWidth = 350;
constexpr int32_t sliderWidth = 90;
constexpr int32_t sliderHeight = 9;
constexpr int32_t helpGap = 8;

struct colour {
    int red, green, blue;
};
constexpr colour frameColour = {232, 200, 120};
constexpr colour boardColour = {36, 24, 14};
constexpr colour chosenColour = {96, 62, 30};
constexpr colour sliderEmpty = {70, 50, 30};
constexpr colour sliderFull = {232, 200, 120};

const char* const labels[settingsScreen::rowCount] = {
    "up",           "down",        "left",      "right",     "pause",         "leave the round",
    "sound on/off", "pad confirm", "pad pause", "pad leave", "pad table",     "effects",
    "voices",       "speed",       "lives",     "window",    "less flashing", "back"};

bool isKeyRow(int which) {
    return which <= int(settingsScreen::row::mute);
}

bool isPadRow(int which) {
    return which >= int(settingsScreen::row::padConfirm) &&
           which <= int(settingsScreen::row::padTable);
}

kuPadAction padActionOfRow(int which) {
    return kuPadAction(which - int(settingsScreen::row::padConfirm));
}

bool isSlider(int which) {
    return which == int(settingsScreen::row::effects) ||
           which == int(settingsScreen::row::voices) || which == int(settingsScreen::row::speed);
}

void fill(kuScreen& screen, const kuRectangle& area, const colour& c) {
    screen.fillRect(area, c.red, c.green, c.blue);
}

} // namespace

settingsScreen::settingsScreen(const settingsContext& context, const quaroSettings& settings)
    : context(context), settings(settings) {}

quaroSettings settingsScreen::run() {
    input handler;
    handler.setHook(context.hook);
    handler.activate();
    draw();
    context.screen->update();
    int lastX = 0, lastY = 0;
    SDLKey leavingKey = SDLK_UNKNOWN;
    while (!done && !context.closing()) {
        handler.pollEvents();
        for (const SDL_Event& event : handler.events) {
            if (event.type == SDL_KEYDOWN) {
                if (!kuIsKeyRepeat(event) && !pressKey(event.key.keysym.sym))
                    leavingKey = event.key.keysym.sym;
                continue;
            }
            const kuPadReader::meaning read = handler.pad.read(event);
            const int x = handler.pad.directionX(), y = handler.pad.directionY();
            if (read == kuPadReader::meaning::pressed)
                pressPad(handler.pad.press(), 0, 0);
            else if (read == kuPadReader::meaning::steered && (x != lastX || y != lastY))
                pressPad({}, x != lastX ? x : 0, y != lastY ? y : 0);
            lastX = x;
            lastY = y;
        }
        if (!handler.events.empty()) {
            handler.events.clear();
            draw();
            context.screen->update();
        }
        context.waitFrame();
    }
    // The key that left stays down a moment: the screen after this one must not see it.
    while (leavingKey != SDLK_UNKNOWN && kuPlatform::heldKeys()[leavingKey] && !context.closing()) {
        handler.pollEvents();
        handler.events.clear();
        context.waitFrame();
    }
    return settings;
}

void settingsScreen::input::handleEvent(SDL_Event* event) {
    events.push_back(*event);
}

bool settingsScreen::pressKey(SDLKey key) {
    if (binding && isPadRow(current)) {
        binding = key != SDLK_ESCAPE;
        note = binding ? "press a button of the pad, or Escape" : "nothing changed";
        return true;
    }
    if (binding) {
        binding = false;
        if (key == SDLK_ESCAPE) {
            note = "nothing changed";
        } else if (kuKeyName(key).empty()) {
            note = "that key cannot be bound";
        } else {
            const boundAction action = boundAction(current);
            const std::optional<boundAction> holder = settings.actionOf(key);
            settings.bind(action, key);
            note = holder && *holder != action ? std::string(labels[int(*holder)]) + " takes " +
                                                     kuKeyName(settings.key(*holder))
                                               : "";
            changed(false, false);
        }
        return true;
    }
    note.clear();
    switch (key) {
    case SDLK_UP:
        moveSelection(-1);
        break;
    case SDLK_DOWN:
        moveSelection(1);
        break;
    case SDLK_LEFT:
        changeValue(-1);
        break;
    case SDLK_RIGHT:
        changeValue(1);
        break;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
    case SDLK_SPACE:
        choose();
        break;
    case SDLK_ESCAPE:
        done = true;
        break;
    default:
        break;
    }
    return !done;
}

bool settingsScreen::pressPad(const kuPadPress& press, int directionX, int directionY) {
    if (binding && isPadRow(current)) {
        if (press.button >= 0)
            bindButton(press.button);
        return true;
    }
    if (press.showsTable || press.quits) {
        binding = false;
        done = true;
    } else if (press.starts || press.resumes) {
        if (!binding)
            choose();
    } else if (!binding) {
        if (directionY != 0)
            moveSelection(directionY);
        if (directionX != 0)
            changeValue(directionX);
    }
    return !done;
}

void settingsScreen::moveSelection(int by) {
    current = (current + by + rowCount) % rowCount;
}

void settingsScreen::changeValue(int by) {
    const auto step = [by](int& value, int stepSize, int low, int high) {
        const int before = value;
        value = std::clamp(value + by * stepSize, low, high);
        return value != before;
    };
    bool moved = false;
    switch (row(current)) {
    case row::effects:
        moved = step(settings.effectsVolume, volumeStep, 0, quaroSettings::fullVolume);
        break;
    case row::voices:
        moved = step(settings.voicesVolume, volumeStep, 0, quaroSettings::fullVolume);
        break;
    case row::speed:
        moved = step(settings.speed, speedStep, quaroSettings::slowestSpeed,
                     quaroSettings::designedSpeed);
        break;
    case row::lives:
        moved = step(settings.lives, 1, quaroSettings::designedLives, quaroSettings::mostLives);
        break;
    case row::window:
        settings.windowed = !settings.windowed;
        moved = true;
        break;
    case row::flashing:
        settings.reducedFlashing = !settings.reducedFlashing;
        moved = true;
        break;
    default:
        return;
    }
    if (moved)
        changed(row(current) == row::voices,
                row(current) == row::effects || row(current) == row::voices);
}

void settingsScreen::choose() {
    if (isKeyRow(current) || isPadRow(current)) {
        binding = true;
        note = isKeyRow(current) ? "press the new key, or Escape"
                                 : "press a button of the pad, or Escape";
    } else if (row(current) == row::back) {
        done = true;
    } else {
        changeValue(1);
    }
}

void settingsScreen::bindButton(int button) {
    binding = false;
    if (kuPadButtonName(button).empty()) {
        note = "that button cannot be bound";
        return;
    }
    const kuPadAction action = padActionOfRow(current);
    const std::optional<kuPadAction> holder = settings.padActionOf(button);
    settings.bindPad(action, button);
    note = holder && *holder != action
               ? std::string(labels[int(row::padConfirm) + int(*holder)]) + " takes " +
                     kuPadButtonName(settings.padButton(*holder))
               : "";
    changed(false, false);
}

void settingsScreen::changed(bool voices, bool sample) {
    context.change(settings);
    if (sample)
        context.sample(voices);
}

std::string settingsScreen::rowText(int which) const {
    const std::string label = std::string(labels[which]);
    if (isKeyRow(which)) {
        if (binding && which == current)
            return label + ": ?";
        return label + ": " + kuKeyName(settings.key(boundAction(which)));
    }
    if (isPadRow(which))
        return label + ": " +
               (binding && which == current
                    ? "?"
                    : kuPadButtonName(settings.padButton(padActionOfRow(which))));
    switch (row(which)) {
    case row::effects:
        return label + ": " + std::to_string(settings.effectsVolume) + "%";
    case row::voices:
        return label + ": " + std::to_string(settings.voicesVolume) + "%";
    case row::speed:
        return label + ": " + std::to_string(settings.speed) + "%";
    case row::lives:
        return label + ": " + std::to_string(settings.lives);
    case row::window:
        return label + ": " + (settings.windowed ? "yes" : "no");
    case row::flashing:
        return label + ": " + (settings.reducedFlashing ? "yes" : "no");
    default:
        return label;
    }
}

void settingsScreen::draw() {
    kuScreen& screen = *context.screen;
    if (context.backdrop != nullptr) {
        sz size;
        context.backdrop->getSize(size);
        context.backdrop->display({0, 0, size.height, size.width}, pointManip::zeroPoint);
    }
    screen.beginUpdate();
    fill(screen, board, frameColour);
    fill(screen, rectManip::expandRect(board, -int32_t(frame), -int32_t(frame)), boardColour);
    quaroLettering& font = *context.font;
    const int32_t middle = board.x + int32_t(board.width / 2);
    font.drawCentred("settings", middle, board.y + 12);
    for (int which = 0; which < rowCount; ++which) {
        const int column = which < secondColumn ? 0 : 1;
        const int32_t y = firstRowY + (which - column * secondColumn) * rowHeight;
        if (which == current)
            fill(screen, {labelX[column] - 12, y - 3, uint32_t(rowHeight), columnWidth},
                 chosenColour);
        const std::string text = rowText(which);
        const size_t colon = text.find(": ");
        font.drawText(text.substr(0, colon), {labelX[column], y});
        if (colon == std::string::npos)
            continue;
        if (isSlider(which)) {
            const int value = row(which) == row::effects  ? settings.effectsVolume
                              : row(which) == row::voices ? settings.voicesVolume
                                                          : settings.speed;
            const int32_t top = y + (quaroLettering::height - sliderHeight) / 2;
            const int32_t x = valueX[column];
            fill(screen, {x, top, uint32_t(sliderHeight), uint32_t(sliderWidth)}, sliderEmpty);
            fill(screen, {x, top, uint32_t(sliderHeight), uint32_t(sliderWidth * value / 100)},
                 sliderFull);
            font.drawText(text.substr(colon + 2), {x + sliderWidth + 8, y});
        } else {
            font.drawText(font.drawable(text.substr(colon + 2)), {valueX[column], y});
        }
    }
    const std::string help = note.empty() ? "Enter: bind a key or button * Escape: back" : note;
    font.drawCentred(font.drawable(help), middle, firstRowY + secondColumn * rowHeight + helpGap);
    screen.endUpdate();
}
