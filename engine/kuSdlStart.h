// Starts SDL without ever falling back to a text-mode video driver. Classic SDL 1.2, left to
// choose, tries every driver it has and ends on one that draws with letters in the terminal
// (aalib, caca) when there is no display; a game there shows escape codes and waits forever.
#pragma once

#include "kuSdl.h"

// SDL_Init with the flags. When SDL_VIDEODRIVER is set, SDL obeys it as always. Otherwise
// video comes only from X (DISPLAY set), and without a display this fails with SDL's error
// text set to "no display (set DISPLAY, or SDL_VIDEODRIVER to choose a driver)". SDL built
// on SDL 2 has no text-mode drivers and chooses freely. Returns true when SDL started.
bool kuStartSdl(Uint32 flags);
