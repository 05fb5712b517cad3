// The calls that differ between the desktop and the browser, and only those. The build links
// exactly one implementation: kuPlatformDesktop.cpp hands each call to SDL 1.2, and
// kuPlatformWeb.cpp, built with Emscripten, supplies what the browser's SDL layer lacks or
// does differently. Every call behaves the same to its caller on both.
#pragma once

#include "kuGeomUtil.h"

#include <SDL.h>

namespace kuPlatform {

// SDL_Init with the flags; true when SDL started. The desktop never falls back to a
// text-mode video driver (see kuSdlStart.h).
bool startSdl(Uint32 flags);
// SDL's video alone on its dummy driver, whatever DISPLAY and SDL_VIDEODRIVER say: for rounds
// simulated with no window and no sound. True when SDL started.
bool startHeadless();
// The size of the desktop to fit the picture to, read before the first video mode is set;
// 0 x 0 when there is none to fit (the browser's page scales the picture itself).
sz desktopSize();
// The title of the game's window (or page).
void setWindowTitle(const char* title);

// A new surface holding the picture of the BMP file, in the display's format once a video
// mode is set; the caller frees it with SDL_FreeSurface. Only regular files are opened,
// without blocking. Raises a generic kuE of type "FileLoad" with "Couldn't load FILE:
// REASON" on failure.
SDL_Surface* loadPicture(const char* fileName);
// From now on the pixels of this colour are not drawn when the surface is copied elsewhere.
void setColourKey(SDL_Surface* surface, Uint8 red, Uint8 green, Uint8 blue);

// Installs the filter every event passes before it is queued, keeping the events queued
// already. The browser's layer has no filter and queues every event, which is what the only
// filter of the game does too.
void setEventFilter(int (*filter)(const SDL_Event*));
// Waits for the next event and fills `event`: 1, or 0 on a library error.
int waitEvent(SDL_Event* event);
// The state of every key, 1 while it is held, indexed by the SDLK_ constants. The array is
// the library's and stays valid until SDL_Quit.
const Uint8* heldKeys();

// True for the event that says the game lost the input focus or was hidden (iconified, or
// its page put away).
bool lostFocus(const SDL_Event& event);

// SDL_OpenAudio. The browser plays buffers of at least 128 frames, so there a smaller
// request is raised to that; `obtained` tells what was granted.
int openAudio(SDL_AudioSpec* desired, SDL_AudioSpec* obtained);
// The samples of a WAV file, with their format in `spec` and their byte count in `length`;
// null, with SDL's error text set to the reason, when the file cannot be read. Only regular
// files are opened, without blocking. freeWave releases them.
Uint8* loadWave(const char* fileName, SDL_AudioSpec* spec, Uint32* length);
void freeWave(Uint8* samples);
// SDL_BuildAudioCVT and SDL_ConvertAudio, with the same results.
int buildAudioConverter(SDL_AudioCVT* cvt, Uint16 srcFormat, Uint8 srcChannels, int srcRate,
                        Uint16 dstFormat, Uint8 dstChannels, int dstRate);
int convertAudio(SDL_AudioCVT* cvt);
// SDL_MixAudio: adds len bytes of samples in the open device's format to dst, clipping.
void mixAudio(Uint8* dst, const Uint8* src, Uint32 len, int volume);

// Called after the game wrote a file under its Save/ folder. The browser copies the folder
// to its lasting storage, so that the file outlives the page; the desktop has nothing to do.
void savedFilesChanged();

} // namespace kuPlatform
