#include "kuPlatform.h"

#include "kuExceptions.h"

namespace kuPlatform {

SDL_Surface* loadPicture(const char* fileName) {
    SDL_Surface* loaded = SDL_LoadBMP_RW(SDL_RWFromFile(fileName, "rb"), 1);
    if (loaded == nullptr)
        kuE::kuRaiseGeneric("FileLoad", SDL_GetError());
    return loaded;
}

void setColourKey(SDL_Surface* surface, Uint8 red, Uint8 green, Uint8 blue) {
    SDL_SetColorKey(surface, SDL_SRCCOLORKEY, SDL_MapRGB(surface->format, red, green, blue));
}

void setEventFilter(int (*filter)(const SDL_Event*)) {
    SDL_SetEventFilter(filter);
}

int waitEvent(SDL_Event* event) {
    return SDL_WaitEvent(event);
}

const Uint8* heldKeys() {
    return SDL_GetKeyState(nullptr);
}

int openAudio(SDL_AudioSpec* desired, SDL_AudioSpec* obtained) {
    return SDL_OpenAudio(desired, obtained);
}

Uint8* loadWave(const char* fileName, SDL_AudioSpec* spec, Uint32* length) {
    SDL_RWops* file = SDL_RWFromFile(fileName, "rb");
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
