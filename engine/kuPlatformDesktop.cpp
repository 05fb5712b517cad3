#include "kuPlatform.h"

#include "kuExceptions.h"
#include "kuFiles.h"
#include "kuPrintable.h"
#include "kuSdlStart.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace kuPlatform {

namespace {

// A stream over the regular file, closed with the stream; null when it cannot be opened, with
// SDL's error text set to the reason.
SDL_RWops* openRegularFile(const char* fileName) {
    const int fd = kuOpenRegularFile(fileName);
    if (fd < 0) {
        SDL_SetError("%s", errno == EINVAL ? "not a regular file" : std::strerror(errno));
        return nullptr;
    }
    std::FILE* file = fdopen(fd, "rb");
    if (file == nullptr) {
        SDL_SetError("%s", std::strerror(errno));
        close(fd);
        return nullptr;
    }
    SDL_RWops* stream = SDL_RWFromFP(file, 1);
    if (stream == nullptr)
        std::fclose(file);
    return stream;
}

// "Couldn't load FILE: REASON", with SDL's error text as the reason.
std::string loadFailure(const char* fileName) {
    return "Couldn't load " + kuPrintable(fileName) + ": " + SDL_GetError();
}

} // namespace

bool startSdl(Uint32 flags) {
    return kuStartSdl(flags);
}

bool startHeadless() {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    return SDL_Init(SDL_INIT_VIDEO) == 0;
}

sz desktopSize() {
    const SDL_VideoInfo* info = SDL_GetVideoInfo();
    if (info == nullptr || info->current_w <= 0 || info->current_h <= 0)
        return sizeManip::zeroSize;
    return {uint32_t(info->current_w), uint32_t(info->current_h)};
}

void setWindowTitle(const char* title) {
    SDL_WM_SetCaption(title, title);
}

SDL_Surface* loadPicture(const char* fileName) {
    SDL_RWops* file = openRegularFile(fileName);
    SDL_Surface* loaded = file != nullptr ? SDL_LoadBMP_RW(file, 1) : nullptr;
    if (loaded == nullptr)
        kuE::kuRaiseGeneric("FileLoad", loadFailure(fileName).c_str());
    // In the display's own pixel format drawing is a plain copy; the pixels shown stay the
    // same. Without a video mode (or when the conversion fails) the picture stays as loaded.
    if (SDL_GetVideoSurface() == nullptr)
        return loaded;
    SDL_Surface* converted = SDL_DisplayFormat(loaded);
    if (converted == nullptr)
        return loaded;
    SDL_FreeSurface(loaded);
    return converted;
}

void setColourKey(SDL_Surface* surface, Uint8 red, Uint8 green, Uint8 blue) {
    SDL_SetColorKey(surface, SDL_SRCCOLORKEY | SDL_RLEACCEL,
                    SDL_MapRGB(surface->format, red, green, blue));
}

void setEventFilter(int (*filter)(const SDL_Event*)) {
    // Setting a filter empties the queue: a key pressed while the game was busy would be lost.
    if (SDL_GetEventFilter() != filter)
        SDL_SetEventFilter(filter);
}

int waitEvent(SDL_Event* event) {
    return SDL_WaitEvent(event);
}

const Uint8* heldKeys() {
    return SDL_GetKeyState(nullptr);
}

bool lostFocus(const SDL_Event& event) {
    return event.type == SDL_ACTIVEEVENT && !event.active.gain &&
           (event.active.state & (SDL_APPINPUTFOCUS | SDL_APPACTIVE)) != 0;
}

int openAudio(SDL_AudioSpec* desired, SDL_AudioSpec* obtained) {
    return SDL_OpenAudio(desired, obtained);
}

Uint8* loadWave(const char* fileName, SDL_AudioSpec* spec, Uint32* length) {
    SDL_RWops* file = openRegularFile(fileName);
    Uint8* samples = nullptr;
    if (file == nullptr || SDL_LoadWAV_RW(file, 1, spec, &samples, length) == nullptr)
        return nullptr;
    return samples;
}

void freeWave(Uint8* samples) {
    SDL_FreeWAV(samples);
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

void savedFilesChanged() {}

} // namespace kuPlatform
