#include "sdlScript.h"

#include <cstring>

namespace {

SDL_Event windowEvent(Uint8 what) {
    SDL_Event event{};
    event.type = event.window.type = SDL_WINDOWEVENT;
    event.window.event = what;
    return event;
}

// The game's one window; windows are numbered from 1 in the order they were made.
SDL_Window* theWindow() {
    constexpr Uint32 numbersLookedAt = 1000;
    for (Uint32 id = 1; id <= numbersLookedAt; ++id)
        if (SDL_Window* window = SDL_GetWindowFromID(id))
            return window;
    return nullptr;
}

} // namespace

bool convertsAsClassicSdl() {
    return false;
}

bool queueEvent(SDL_Event event) {
    return SDL_PushEvent(&event) == 1;
}

int peekEvents(SDL_Event* events, int count) {
    SDL_PumpEvents();
    return SDL_PeepEvents(events, count, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT);
}

bool eventQueueEmpty() {
    return SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 0;
}

int (*installedFilter())(const SDL_Event*) {
    SDL_EventFilter filter = nullptr;
    void* engineFilter = nullptr;
    if (!SDL_GetEventFilter(&filter, &engineFilter))
        return nullptr;
    return reinterpret_cast<int (*)(const SDL_Event*)>(engineFilter);
}

void removeEventFilter() {
    SDL_SetEventFilter(nullptr, nullptr);
}

SDLKey firstHeldKey() {
    int count = 0;
    const Uint8* keys = SDL_GetKeyboardState(&count);
    for (int place = 0; place < count; ++place)
        if (keys[place] != 0)
            return SDL_GetKeyFromScancode(SDL_Scancode(place));
    return SDLK_UNKNOWN;
}

SDL_Event focusLostEvent() {
    return windowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
}

SDL_Event iconifiedEvent() {
    return windowEvent(SDL_WINDOWEVENT_MINIMIZED);
}

SDL_Event mouseLeftEvent() {
    return windowEvent(SDL_WINDOWEVENT_LEAVE);
}

SDL_Event focusBackEvent() {
    return windowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
}

SDL_Event typedEvent(const std::string& text) {
    SDL_Event event{};
    event.type = event.text.type = SDL_TEXTINPUT;
    std::strncpy(event.text.text, text.c_str(), sizeof event.text.text - 1);
    return event;
}

bool outputIsFullScreen() {
    SDL_Window* window = theWindow();
    return window != nullptr && (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
}

bool audioPlaying(kuAudioDevice device) {
    return SDL_GetAudioDeviceStatus(device) == SDL_AUDIO_PLAYING;
}

// Devices are numbered from 2 in the order they were opened; SDL keeps at most 16 open.
void closeAudioDevices() {
    constexpr SDL_AudioDeviceID lastNumberLookedAt = 64;
    for (SDL_AudioDeviceID device = 2; device <= lastNumberLookedAt; ++device)
        SDL_CloseAudioDevice(device);
}
