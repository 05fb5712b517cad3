// What differs between SDL 1.2 and SDL 2 in the way the tests script and read the library: the
// type of an event's type, peeking at the queue, the events a window sends when it loses the
// focus or is iconified, the output's full-screen state and the audio device's. One
// implementation per SDL (sdlScriptSdl1.cpp, sdlScriptSdl2.cpp), chosen by the build.
#pragma once

#include "kuAudio.h"
#include "kuSdl.h"

#include <string>

// Uint8 on SDL 1.2, Uint32 on SDL 2.
using sdlEventType = decltype(SDL_Event::type);

// True on SDL 1.2, whose sample converter the engine's own matches byte for byte; SDL 2
// rounds differently, and the game converts with the engine's own there.
bool convertsAsClassicSdl();
// Queues the event; false when the queue refused it.
bool queueEvent(SDL_Event event);
// Copies up to `count` queued events without taking them; how many there were.
int peekEvents(SDL_Event* events, int count);
// True when no event waits in the queue. Unlike peekEvents it does not pump the video driver,
// which only the main thread may do, so any thread may ask.
bool eventQueueEmpty();
// The event filter SDL holds now; null for none.
int (*installedFilter())(const SDL_Event*);
// Leaves SDL without a filter, as at the program's start.
void removeEventFilter();
// The first key held in the library's record of the keys, by its key name; SDLK_UNKNOWN for
// none.
SDLKey firstHeldKey();

// The window lost the keyboard's focus, was iconified, lost the mouse, got the focus back.
SDL_Event focusLostEvent();
SDL_Event iconifiedEvent();
SDL_Event mouseLeftEvent();
SDL_Event focusBackEvent();
// What typing the text sends: on SDL 1.2 the press of its one key, on SDL 2 a text event.
SDL_Event typedEvent(const std::string& text);

// True while the output takes the whole desktop, as opposed to a window of its own size (on
// SDL 2 a screen given a desktop of its own size is a window whatever its mode).
bool outputIsFullScreen();
// True while the audio device plays (is open and not paused).
bool audioPlaying(kuAudioDevice device);
// Closes whatever audio device the library has open, so that the next start opens one again.
void closeAudioDevices();
