// The one header through which the engine includes SDL, and the one place where the names its
// interfaces use are mapped for each SDL. The interfaces speak SDL 1.2's names (SDL_Surface,
// SDL_Event, SDLKey, SDL_keysym, SDL_Rect); on SDL 2 the few that were renamed are given their
// old names here. What behaves differently lives in the engine's units named Sdl1 and Sdl2.
#pragma once

#include <SDL.h>

#if SDL_MAJOR_VERSION >= 2
using SDLKey = SDL_Keycode;
using SDLMod = SDL_Keymod;
using SDL_keysym = SDL_Keysym;
#endif

// The number of an open audio device; 0 for none.
using kuAudioDevice = Uint32;
