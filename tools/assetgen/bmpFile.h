// Writes pictures as uncompressed 24-bit BMP files, the plainest form SDL_LoadBMP reads.
// A keyed picture's transparent pixels become the colour key, and no figure pixel keeps the
// key's exact colour, so the game shows exactly the figure.
#pragma once

#include "picture.h"

#include <string>

// The colour the game makes transparent in every keyed picture.
constexpr rgba keyColour{220, 188, 108, 255};

// Writes every pixel as it is; alpha is ignored (screens and the maze are opaque).
void writeOpaqueBmp(const std::string& path, const Picture& picture);
// Writes transparent pixels as the key and moves figure pixels off the key by one step of blue.
void writeKeyedBmp(const std::string& path, const Picture& picture);
