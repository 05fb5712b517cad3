#include "kuSdlStart.h"

#include <cstdlib>

namespace {

// Versions from this patch level on are SDL 1.2's interface over SDL 2.
constexpr Uint8 firstCompatPatch = 50;

bool hasValue(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}

} // namespace

bool kuStartSdl(Uint32 flags) {
    const bool classicSdl = SDL_Linked_Version()->patch < firstCompatPatch;
    if (!(flags & SDL_INIT_VIDEO) || hasValue("SDL_VIDEODRIVER") || !classicSdl)
        return SDL_Init(flags) == 0;
    if (!hasValue("DISPLAY")) {
        SDL_SetError("no display (set DISPLAY, or SDL_VIDEODRIVER to choose a driver)");
        return false;
    }
    setenv("SDL_VIDEODRIVER", "x11", 1);
    const bool started = SDL_Init(flags) == 0;
    unsetenv("SDL_VIDEODRIVER");
    return started;
}
