#include "sdlScript.h"

bool convertsAsClassicSdl() {
    return true;
}

bool queueEvent(SDL_Event event) {
    return SDL_PushEvent(&event) == 0;
}

int peekEvents(SDL_Event* events, int count) {
    SDL_PumpEvents();
    return SDL_PeepEvents(events, count, SDL_PEEKEVENT, SDL_ALLEVENTS);
}

bool eventQueueEmpty() {
    SDL_Event event;
    return SDL_PeepEvents(&event, 1, SDL_PEEKEVENT, SDL_ALLEVENTS) == 0;
}

int (*installedFilter())(const SDL_Event*) {
    return SDL_GetEventFilter();
}

void removeEventFilter() {
    SDL_SetEventFilter(nullptr);
}

SDLKey firstHeldKey() {
    int count = 0;
    const Uint8* keys = SDL_GetKeyState(&count);
    for (int key = 0; key < count; ++key)
        if (keys[key] != 0)
            return SDLKey(key);
    return SDLK_UNKNOWN;
}

namespace {

SDL_Event activeEvent(bool gain, Uint8 state) {
    SDL_Event event{};
    event.type = event.active.type = SDL_ACTIVEEVENT;
    event.active.gain = gain;
    event.active.state = state;
    return event;
}

} // namespace

SDL_Event focusLostEvent() {
    return activeEvent(false, SDL_APPINPUTFOCUS);
}

SDL_Event iconifiedEvent() {
    return activeEvent(false, SDL_APPACTIVE);
}

SDL_Event mouseLeftEvent() {
    return activeEvent(false, SDL_APPMOUSEFOCUS);
}

SDL_Event focusBackEvent() {
    return activeEvent(true, SDL_APPINPUTFOCUS | SDL_APPACTIVE);
}

SDL_Event typedEvent(const std::string& text) {
    SDL_Event event{};
    event.type = event.key.type = SDL_KEYDOWN;
    event.key.state = SDL_PRESSED;
    event.key.keysym.sym = text.empty() ? SDLK_UNKNOWN : SDLKey(text[0]);
    return event;
}

bool outputIsFullScreen() {
    const SDL_Surface* output = SDL_GetVideoSurface();
    return output != nullptr && (output->flags & SDL_FULLSCREEN) != 0;
}

bool audioPlaying(kuAudioDevice) {
    return SDL_GetAudioStatus() == SDL_AUDIO_PLAYING;
}

void closeAudioDevices() {
    SDL_CloseAudio();
}
