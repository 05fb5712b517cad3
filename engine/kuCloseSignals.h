// The signals that ask the game to close (SIGTERM, SIGINT and SIGHUP) end it whatever the SDL
// library does with signals and whatever the game's thread is stuck in. The first reaches the
// game as SDL's quit event, as a window close does. A second one, or the first when the
// process has not ended graceMs after it, ends the process at once, killed by that signal,
// after one line on standard error. A save under way (kuSaveUnderWay) finishes first, and none
// starts once the end is due, so a file being saved is either finished or left untouched.
#pragma once

class kuCloseSignals {
public:
    static constexpr unsigned defaultGraceMs = 3000;

    // Installs the handlers in place of the library's: call it after SDL started, since SDL
    // installs its own as it starts. One object at a time.
    explicit kuCloseSignals(unsigned graceMs = defaultGraceMs);
    // Puts the handlers found back.
    ~kuCloseSignals();
    kuCloseSignals(const kuCloseSignals&) = delete;
    kuCloseSignals& operator=(const kuCloseSignals&) = delete;

    // True once the process is due to end; it ends as soon as no save is under way.
    static bool ending();
};

// While one lives, a due end waits for it. Made while the end is due and no other lives, it
// never returns: the process ends first. Without a kuCloseSignals it only counts.
class kuSaveUnderWay {
public:
    kuSaveUnderWay();
    ~kuSaveUnderWay();
    kuSaveUnderWay(const kuSaveUnderWay&) = delete;
    kuSaveUnderWay& operator=(const kuSaveUnderWay&) = delete;
};
