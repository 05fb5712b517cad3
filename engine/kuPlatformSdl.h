// What the desktop's platform calls (kuPlatformDesktop.cpp) take from each SDL, implemented in
// kuPlatformSdl1.cpp and kuPlatformSdl2.cpp.
#pragma once

#include "kuSdl.h"

namespace kuPlatform {

// Sets every hint the engine gives SDL 2 (whole waves only; the window's surface without
// OpenGL). SDL 2 adds a hint to a list that other threads (the audio thread) read without a
// lock, so this is called before SDL starts a thread and wherever a hint matters; setting the
// same values again changes nothing. SDL 2 only.
void setHints();

// SDL_LoadWAV_RW, refusing a file whose samples are cut short (SDL 2 plays what is there unless
// told otherwise); closes the stream.
SDL_AudioSpec* loadWholeWave(SDL_RWops* stream, SDL_AudioSpec* spec, Uint8** samples,
                             Uint32* length);

} // namespace kuPlatform
