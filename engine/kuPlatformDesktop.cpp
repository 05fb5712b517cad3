#include "kuPlatform.h"

#include "kuExceptions.h"
#include "kuFiles.h"
#include "kuPlatformSdl.h"
#include "kuPrintable.h"
#include "kuVideo.h"

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
    SDL_RWops* stream = SDL_RWFromFP(file, SDL_TRUE);
    if (stream == nullptr)
        std::fclose(file);
    return stream;
}

// "Couldn't load FILE: REASON", with SDL's error text as the reason.
std::string loadFailure(const char* fileName) {
    return "Couldn't load " + kuPrintable(fileName) + ": " + SDL_GetError();
}

} // namespace

// The dummy driver works alike on both SDLs.
bool startHeadless() {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    return SDL_Init(SDL_INIT_VIDEO) == 0;
}

SDL_Surface* loadPicture(const char* fileName) {
    SDL_RWops* file = openRegularFile(fileName);
    SDL_Surface* loaded = file != nullptr ? SDL_LoadBMP_RW(file, 1) : nullptr;
    if (loaded == nullptr)
        kuE::kuRaiseGeneric("FileLoad", loadFailure(fileName).c_str());
    // In the display's own pixel format drawing is a plain copy; the pixels shown stay the
    // same. Without a video mode (or when the conversion fails) the picture stays as loaded.
    SDL_Surface* converted = kuSurfaces::inDisplayFormat(loaded);
    if (converted == nullptr)
        return loaded;
    SDL_FreeSurface(loaded);
    return converted;
}

sz desktopSize() {
    return kuVideoOutput::desktopSize();
}

void setColourKey(SDL_Surface* surface, Uint8 red, Uint8 green, Uint8 blue) {
    kuSurfaces::setColourKey(surface, red, green, blue);
}

int waitEvent(SDL_Event* event) {
    return SDL_WaitEvent(event);
}

Uint8* loadWave(const char* fileName, SDL_AudioSpec* spec, Uint32* length) {
    SDL_RWops* file = openRegularFile(fileName);
    Uint8* samples = nullptr;
    if (file == nullptr || loadWholeWave(file, spec, &samples, length) == nullptr)
        return nullptr;
    return samples;
}

void freeWave(Uint8* samples) {
    SDL_FreeWAV(samples);
}

void savedFilesChanged() {}

bool settingsKeptWithSaves() {
    return false;
}

} // namespace kuPlatform
