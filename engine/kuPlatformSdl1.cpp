// The desktop's platform calls that differ on the classic SDL 1.2: one audio device with a
// lock of its own, an event filter that sees the event alone, and a key state indexed by key
// names.
#include "kuPlatform.h"

#include "kuPlatformSdl.h"
#include "kuSdlStart.h"

#include <vector>

namespace kuPlatform {

namespace {
// SDL 1.2 has one audio device, which this number stands for.
constexpr kuAudioDevice theDevice = 1;
} // namespace

bool startSdl(Uint32 flags) {
    return kuStartSdl(flags);
}

SDL_AudioSpec* loadWholeWave(SDL_RWops* stream, SDL_AudioSpec* spec, Uint8** samples,
                             Uint32* length) {
    return SDL_LoadWAV_RW(stream, 1, spec, samples, length);
}

// SDL empties the queue as it sets a filter, after reading the display's pending events into
// it: those are read and taken out first, and go back after it, those the new filter accepts,
// so that a key pressed while the game was busy is not lost.
void setEventFilter(int (*filter)(const SDL_Event*)) {
    if (SDL_GetEventFilter() == filter)
        return;
    SDL_PumpEvents();
    std::vector<SDL_Event> queued;
    SDL_Event event;
    while (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_ALLEVENTS) == 1)
        queued.push_back(event);
    SDL_SetEventFilter(filter);
    for (SDL_Event& kept : queued)
        if (filter(&kept))
            SDL_PeepEvents(&kept, 1, SDL_ADDEVENT, SDL_ALLEVENTS);
}

kuHeldKeys heldKeys() {
    return kuHeldKeys(SDL_GetKeyState(nullptr));
}

bool lostFocus(const SDL_Event& event) {
    return event.type == SDL_ACTIVEEVENT && !event.active.gain &&
           (event.active.state & (SDL_APPINPUTFOCUS | SDL_APPACTIVE)) != 0;
}

kuAudioDevice openAudio(SDL_AudioSpec* desired, SDL_AudioSpec* obtained) {
    return SDL_OpenAudio(desired, obtained) < 0 ? 0 : theDevice;
}

void pauseAudio(kuAudioDevice, bool paused) {
    SDL_PauseAudio(paused ? 1 : 0);
}

void lockAudio(kuAudioDevice) {
    SDL_LockAudio();
}

void unlockAudio(kuAudioDevice) {
    SDL_UnlockAudio();
}

int buildAudioConverter(SDL_AudioCVT* cvt, Uint16 srcFormat, Uint8 srcChannels, int srcRate,
                        Uint16 dstFormat, Uint8 dstChannels, int dstRate) {
    return SDL_BuildAudioCVT(cvt, srcFormat, srcChannels, srcRate, dstFormat, dstChannels, dstRate);
}

int convertAudio(SDL_AudioCVT* cvt) {
    return SDL_ConvertAudio(cvt);
}

void mixAudio(Uint8* dst, const Uint8* src, Uint32 len, int volume) {
    SDL_MixAudio(dst, src, len, volume);
}

std::string pageAddress() {
    return "";
}

// SDL 1.2 has no clipboard.
bool copyText(const std::string&) {
    return false;
}

} // namespace kuPlatform

void kuSetKeyHeld(SDLKey key, bool held) {
    SDL_GetKeyState(nullptr)[key] = held ? 1 : 0;
}

void kuReleaseAllKeys() {
    int count = 0;
    Uint8* keys = SDL_GetKeyState(&count);
    for (int i = 0; i < count; ++i)
        keys[i] = 0;
}
