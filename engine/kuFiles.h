// Opens the files the loaders read. Only regular files are opened, and opening never blocks:
// a folder, a FIFO or a device is refused by name before anything reads from it.
#pragma once

#include <SDL.h>

#include <string>

// A stream over the regular file, closed with the stream; null when it cannot be opened, with
// SDL's error text set to the reason.
SDL_RWops* kuOpenRegularFile(const char* fileName);

// "Couldn't load FILE: REASON", with SDL's error text as the reason.
std::string kuLoadFailure(const char* fileName);
