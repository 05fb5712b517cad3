// Recordings in the game: every live round is recorded by its input step; the run of a new
// record is kept beside the table; a run plays back in the window (a row of the table, the
// file of --replay, the demonstration on a menu left alone) and is checked against the time it
// claims. A round played back is never recorded or saved, and a run found not to match its
// time is not offered again in the session.
#pragma once

#include "quaroRecording.h"
#include "watchInput.h"

#include <SDL.h>

#include <memory>
#include <optional>
#include <set>
#include <string>

class quaroHighScore;
class vorlanGameShell;

class quaroReplays {
public:
    static constexpr Uint32 idleDemoMs = 30000; // a menu left alone this long plays a run
    static const char* const demoFile;          // "RUN/Demo.run", beside GFX/ and SFX/

    // How a run played back ended.
    enum class ending { matched, mismatched, stopped };
    struct watchResult {
        ending how = ending::stopped;
        uint32_t framesPlayed = 0;
        bool roundEnded = false; // the round ended by itself
        int minutes = 0;         // the round's clock when the watch ended
        int seconds = 0;
    };

    // The shell owns this object and outlives it.
    explicit quaroReplays(vorlanGameShell& shell);

    // Called by the round's start: a live round begins a new recording from its seed.
    void roundStarting(uint32_t seed);
    // The input step of one frame. Live: the round's handler reads the events, and what it
    // produced (the wish, the leave flag, the pause request) is recorded. Playing back: the
    // watcher's events may ask to stop, and the recorded frame becomes the hero's wish and the
    // leave flag before the actors act.
    void inputStep();
    // The recording of the last live round.
    const quaroRecording& lastRound() const { return live; }
    bool watching() const { return playback != nullptr; }

    // The menu's wait, until a choice is made on the shell's menuInput. On the table's menu
    // (picture null) the keys 1 to 9 and 0 play the runs of rows 1 to 10; on every menu, after
    // idleMs without an event the best run of the table plays (or the demonstration run), and
    // the menu is drawn again as it was.
    void waitForMenuChoice(const char* picture);
    // 0: the menus wait without end and never read the clock.
    void setIdleMs(Uint32 milliseconds) { idleMs = milliseconds; }
    // The keys every screen shares work while a run plays too; the hook is not owned.
    void setHook(kuEventHook* hook) { watchInput.setHook(hook); }

    // After a record entered the table: keeps the last round's run with the record's name and
    // time, then saves the table (by destroying it), then removes the runs no row claims.
    void keepRecord(std::unique_ptr<quaroHighScore> table, const char* name, int minutes,
                    int seconds);

    // Plays a run from its seed in the window until it ends or a key or click stops it.
    watchResult watch(const quaroRecording& run);
    // --replay: loads the file, starts the shell's data, plays the run, frees the data, and
    // says whether the run ended with the time it claims.
    void playFile(const std::string& file);
    // Whether the run of --replay could not be read, was stopped, or did not match its time.
    bool fileRunFailed() const { return fileFailed; }

private:
    void watchRow(int row);
    void playIdleDemo(const char* picture);
    // The run the idle menu plays: the best row's, else the demonstration run.
    std::optional<quaroRecording> idleRun(std::string& file, std::string& label);
    // The file of the row's run, or empty.
    std::string runOfRow(int row) const;
    std::optional<quaroRecording> loadOffered(const std::string& file);
    // Draws the menu's picture again (the table for none), waits on the menu afresh, and
    // passes on a window close that stopped the watch.
    void backToMenu(const char* picture);
    // Says on standard output, and on the table when it shows, that a run does not match its
    // time; that file is not offered again in the session.
    void reject(const std::string& file, const std::string& label, bool onTable);
    std::string tableFile() const;

    vorlanGameShell& shell;
    WatchInputHandler watchInput;
    quaroRecording live;
    bool liveTooLong = false; // more frames than a recording holds: it is not kept
    const quaroRecording* playback = nullptr;
    uint32_t played = 0;
    Uint32 idleMs = idleDemoMs;
    std::set<std::string> rejected;
    bool fileFailed = false;
};
