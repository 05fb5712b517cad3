// What the desktop's platform calls (kuPlatformDesktop.cpp) take from each SDL, implemented in
// kuPlatformSdl1.cpp and kuPlatformSdl2.cpp.
#pragma once

#include "kuSdl.h"

namespace kuPlatform {

// SDL_LoadWAV_RW, refusing a file whose samples are cut short (SDL 2 plays what is there unless
// told otherwise); closes the stream.
SDL_AudioSpec* loadWholeWave(SDL_RWops* stream, SDL_AudioSpec* spec, Uint8** samples,
                             Uint32* length);

} // namespace kuPlatform
