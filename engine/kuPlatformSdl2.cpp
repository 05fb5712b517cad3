// The desktop's platform calls that differ on SDL 2: audio devices by number, an event filter
// with a pointer of its own, the key state indexed by the keys' places (scancodes), and focus
// and visibility told by window events.
#include "kuPlatform.h"

#include "kuMediaCodecs.h"
#include "kuPlatformSdl.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace kuPlatform {

namespace {

bool hasValue(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}

// SDL 2 hands its filter a pointer of the caller's, which carries the engine's filter.
int callFilter(void* filter, SDL_Event* event) {
    return reinterpret_cast<int (*)(const SDL_Event*)>(filter)(event);
}

// SDL 1.2 hands an audio callback a buffer of silence; SDL 2 hands it what the buffer held
// before. The engine's callback travels in the pointer SDL 2 hands over, and gets silence.
void callWithSilence(void* callback, Uint8* stream, int len) {
    std::memset(stream, 0, size_t(len)); // the silence of signed samples
    reinterpret_cast<SDL_AudioCallback>(callback)(nullptr, stream, len);
}

} // namespace

void setHints() {
    SDL_SetHint(SDL_HINT_WAVE_TRUNCATION, "verystrict");
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
}

// SDL 2 has no text-mode drivers, but left to choose it goes on from a display that does not
// answer to others, down to the console's (KMS/DRM), which takes the screen from the terminal
// the game was started in. Unless told otherwise it takes X, or Wayland where there is no X.
bool startSdl(Uint32 flags) {
    setHints();
    if ((flags & SDL_INIT_VIDEO) == 0 || hasValue("SDL_VIDEODRIVER"))
        return SDL_Init(flags) == 0;
    const char* driver =
        hasValue("DISPLAY") ? "x11" : (hasValue("WAYLAND_DISPLAY") ? "wayland" : nullptr);
    if (driver == nullptr) {
        SDL_SetError("no display (set DISPLAY, or SDL_VIDEODRIVER to choose a driver)");
        return false;
    }
    setenv("SDL_VIDEODRIVER", driver, 1);
    const bool started = SDL_Init(flags) == 0;
    unsetenv("SDL_VIDEODRIVER");
    return started;
}

SDL_AudioSpec* loadWholeWave(SDL_RWops* stream, SDL_AudioSpec* spec, Uint8** samples,
                             Uint32* length) {
    setHints();
    return SDL_LoadWAV_RW(stream, 1, spec, samples, length);
}

// SDL empties the queue as it sets a filter: the events queued until then are taken out first
// and go back after it, those the new filter accepts, so that a key pressed while the game was
// busy is not lost.
void setEventFilter(int (*filter)(const SDL_Event*)) {
    SDL_EventFilter current = nullptr;
    void* currentFilter = nullptr;
    if (SDL_GetEventFilter(&current, &currentFilter) == SDL_TRUE && current == callFilter &&
        currentFilter == reinterpret_cast<void*>(filter))
        return;
    SDL_PumpEvents();
    std::vector<SDL_Event> queued;
    SDL_Event event;
    while (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 1)
        queued.push_back(event);
    SDL_SetEventFilter(callFilter, reinterpret_cast<void*>(filter));
    for (SDL_Event& kept : queued)
        if (filter(&kept))
            SDL_PeepEvents(&kept, 1, SDL_ADDEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT);
}

kuHeldKeys heldKeys() {
    return kuHeldKeys(SDL_GetKeyboardState(nullptr));
}

bool lostFocus(const SDL_Event& event) {
    if (event.type != SDL_WINDOWEVENT)
        return false;
    // Events queued for a window since closed (the output opened again) tell nothing now.
    if (event.window.windowID != 0 && SDL_GetWindowFromID(event.window.windowID) == nullptr)
        return false;
    const Uint8 what = event.window.event;
    return what == SDL_WINDOWEVENT_FOCUS_LOST || what == SDL_WINDOWEVENT_MINIMIZED ||
           what == SDL_WINDOWEVENT_HIDDEN;
}

// Like SDL 1.2's SDL_OpenAudio, this starts the audio subsystem when SDL was started without.
kuAudioDevice openAudio(SDL_AudioSpec* desired, SDL_AudioSpec* obtained) {
    if (SDL_WasInit(SDL_INIT_AUDIO) == 0 && SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return 0;
    setHints();
    SDL_AudioSpec request = *desired;
    request.callback = callWithSilence;
    request.userdata = reinterpret_cast<void*>(desired->callback);
    const kuAudioDevice device = SDL_OpenAudioDevice(nullptr, 0, &request, obtained, 0);
    obtained->callback = desired->callback;
    obtained->userdata = desired->userdata;
    return device;
}

void pauseAudio(kuAudioDevice device, bool paused) {
    SDL_PauseAudioDevice(device, paused ? 1 : 0);
}

void lockAudio(kuAudioDevice device) {
    SDL_LockAudioDevice(device);
}

void unlockAudio(kuAudioDevice device) {
    SDL_UnlockAudioDevice(device);
}

// SDL 2 converts through floating point, which rounds the samples differently from SDL 1.2;
// the engine's own converter makes the very samples SDL 1.2 made.
int buildAudioConverter(SDL_AudioCVT* cvt, Uint16 srcFormat, Uint8 srcChannels, int srcRate,
                        Uint16 dstFormat, Uint8 dstChannels, int dstRate) {
    return kuMediaCodecs::buildConverter(cvt, srcFormat, srcChannels, srcRate, dstFormat,
                                         dstChannels, dstRate);
}

int convertAudio(SDL_AudioCVT* cvt) {
    return kuMediaCodecs::convert(cvt);
}

// The samples are always the device's 16-bit ones.
void mixAudio(Uint8* dst, const Uint8* src, Uint32 len, int volume) {
    SDL_MixAudioFormat(dst, src, AUDIO_S16LSB, len, volume);
}

std::string pageAddress() {
    return "";
}

bool copyText(const std::string& text) {
    return SDL_SetClipboardText(text.c_str()) == 0;
}

} // namespace kuPlatform

namespace {

// SDL 2 hands the state out read-only; it is the library's own array all the same.
Uint8* keyState(int* count) {
    return const_cast<Uint8*>(SDL_GetKeyboardState(count));
}

} // namespace

void kuSetKeyHeld(SDLKey key, bool held) {
    keyState(nullptr)[SDL_GetScancodeFromKey(key)] = held ? 1 : 0;
}

void kuReleaseAllKeys() {
    int count = 0;
    Uint8* keys = keyState(&count);
    for (int i = 0; i < count; ++i)
        keys[i] = 0;
}
