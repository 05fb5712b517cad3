// The calls that differ between the desktop and the browser, and only those. The build links
// exactly one implementation: kuPlatformDesktop.cpp hands each call to SDL (with what differs
// between SDL 1.2 and SDL 2 in kuPlatformSdl1.cpp and kuPlatformSdl2.cpp), and
// kuPlatformWeb.cpp, built with Emscripten, supplies what the browser's SDL layer lacks or
// does differently. Every call behaves the same to its caller on all of them.
#pragma once

#include "kuGeomUtil.h"
#include "kuInput.h"
#include "kuSdl.h"

#include <string>

namespace kuPlatform {

// SDL_Init with the flags; true when SDL started. The desktop never falls back to a
// text-mode video driver (see kuSdlStart.h): without a display and without SDL_VIDEODRIVER
// this fails with SDL's error text set to "no display (set DISPLAY, or SDL_VIDEODRIVER to
// choose a driver)".
bool startSdl(Uint32 flags);
// SDL's video alone on its dummy driver, whatever DISPLAY and SDL_VIDEODRIVER say: for rounds
// simulated with no window and no sound. True when SDL started.
bool startHeadless();
// The size of the desktop to fit the picture to, read before the first video mode is set;
// 0 x 0 when there is none to fit (the browser's page scales the picture itself).
sz desktopSize();

// A new surface holding the picture of the BMP file, in the display's format once a video
// mode is set; the caller frees it with SDL_FreeSurface. Only regular files are opened,
// without blocking. Raises a generic kuE of type "FileLoad" with "Couldn't load FILE:
// REASON" on failure.
SDL_Surface* loadPicture(const char* fileName);
// From now on the pixels of this colour are not drawn when the surface is copied elsewhere.
void setColourKey(SDL_Surface* surface, Uint8 red, Uint8 green, Uint8 blue);

// Installs the filter every event passes before it is queued, keeping the events queued
// already that it accepts. The browser's layer has no filter and queues every event, which is
// what the only filter of the game does too.
void setEventFilter(int (*filter)(const SDL_Event*));
// Waits for the next event and fills `event`: 1, or 0 on a library error.
int waitEvent(SDL_Event* event);
// The keys held now, asked by their SDLK_ names; valid until SDL_Quit.
kuHeldKeys heldKeys();

// True for the event that says the game lost the input focus or was hidden (iconified, or
// its page put away).
bool lostFocus(const SDL_Event& event);

// Opens the audio device, paused; its number, or 0 with SDL's error text set. The callback
// always gets a buffer of silence and a null userdata. The browser
// plays buffers of at least 128 frames, so there a smaller request is raised to that;
// `obtained` tells what was granted. The device stays open until SDL is shut down.
kuAudioDevice openAudio(SDL_AudioSpec* desired, SDL_AudioSpec* obtained);
// Paused, the device plays silence and calls no callback.
void pauseAudio(kuAudioDevice device, bool paused);
// The device's lock, which SDL holds over every callback; recursive. Device 0 locks nothing.
void lockAudio(kuAudioDevice device);
void unlockAudio(kuAudioDevice device);
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
// True where the player's settings are kept in the Save/ folder with the table (the browser,
// whose lasting storage is that folder); false where they have a configuration folder.
bool settingsKeptWithSaves();

// Where the game was loaded from, as the start of a link to it: the page's address without
// its fragment in the browser; empty on the desktop, which has no address.
std::string pageAddress();
// Puts the text on the system's clipboard; false where there is none (the classic SDL 1.2) or
// it was refused (the browser's page then shows the text to copy by hand).
bool copyText(const std::string& text);

} // namespace kuPlatform
