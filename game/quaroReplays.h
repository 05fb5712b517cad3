// Recordings in the game: the run of every live round is taken from the recording tap of its
// input; the run of a new record is kept beside the table; a run plays back in the window (a
// row of the table, the file of --replay, the demonstration on a menu left alone) and is
// checked against what it claims (checkRun). A round played back is never recorded or saved,
// and a run found not to match is not offered again in the session.
#pragma once

#include "quaroRecording.h"
#include "watchInput.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

class Audio;
class MenuInputHandler;
class frameClock;
class kuScreen;
class quaroLettering;
class quaroHighScore;
class quaroRound;
class recordingTap;
class shellKeys;
struct gamePaths;

// What the replays use of the game around them; none of it owned, all of it outliving use.
struct replaysContext {
    quaroRound* round = nullptr;
    kuScreen* screen = nullptr;
    quaroLettering* font = nullptr;   // writes labels and messages over the picture
    MenuInputHandler* menu = nullptr; // its choice ends a menu's wait
    shellKeys* keys = nullptr;        // the keys every screen shares, and the close request
    frameClock* clock = nullptr;
    const gamePaths* paths = nullptr;
    std::function<void()> waitFrame;                   // paces one frame played back
    std::function<void(const char* picture)> showMenu; // draws a menu's picture, the table for null
    Audio* audio = nullptr; // silenced while a run plays away from real time
    // Plays the round on from where it stands with the player's input, marked as practice and
    // never recorded; the viewer's take-over.
    std::function<void()> practice;
};

class quaroReplays {
public:
    static constexpr uint32_t idleDemoMs = 30000; // a menu left alone this long plays a run
    static const char* const demoFile;            // "RUN/Demo.run", beside GFX/ and SFX/
    // What the top wall says while a menu left alone plays a run.
    static const char* const demoLabel;

    // How a run played back ended.
    enum class ending { matched, mismatched, stopped, takenOver };
    struct watchResult {
        ending how = ending::stopped;
        uint32_t framesPlayed = 0;
        std::string mismatch; // why the run does not match, when it does not
    };

    // Set the context before any other call but setIdleMs; clear it before what it names goes.
    void setContext(const replaysContext& context) { game = context; }

    // Keeps the run of the live round the tap recorded, unless it was too long to keep.
    void roundRecorded(const recordingTap& tap);
    // The recording of the last live round.
    const quaroRecording& lastRound() const { return live; }
    bool watching() const { return watchingRun; }

    // The menu's wait, until a choice is made on the menu's handler, a run is chosen to race
    // (raceChosen) or the game is asked to close (which chooses quit). On the table's menu
    // (picture null) the keys 1 to 9 and 0 play the runs of rows 1 to 10 of the list shown, g
    // then such a key chooses that run to race, and a shows the other list (the table, or the
    // rounds won with an assist); on every menu, after idleMs without an event the best run of
    // the table plays (or the demonstration run), and the menu is drawn again as it was. The
    // runs' folder is read at most once per wait.
    void waitForMenuChoice(const char* picture);
    // The run chosen to race in the last wait, taken once.
    std::optional<quaroRecording> raceChosen() { return std::exchange(raceRun, std::nullopt); }
    // Which list the table's menu shows: the rounds won with an assist, or the table.
    void showAssisted(bool assisted) { assistedShown = assisted; }
    bool showingAssisted() const { return assistedShown; }
    // 0: the menus wait without end and never read the clock.
    void setIdleMs(uint32_t milliseconds) { idleMs = milliseconds; }

    // After a record entered the table, whose folder is given: saves it with the last round's
    // run, claimed with the record's name and time (quaroRunStore::saveRecord). False, with
    // the table's saveError saying why, when the table could not be saved.
    bool keepRecord(quaroHighScore& table, const std::string& tableFolder, const char* name,
                    int minutes, int seconds);

    // Plays a run from its seed in the window until it ends or a key or click stops it, the
    // label in the top wall ("replay of" its player's name when none is given).
    watchResult watch(const quaroRecording& run, const std::string& label = "");
    // --replay: plays the run of the file and says on standard output or error whether it
    // is what it claims.
    void playFile(const quaroRecording& run, const std::string& file);
    // Whether the run of --replay was stopped or did not match.
    bool fileRunFailed() const { return fileFailed; }

private:
    void watchRow(int row);
    void playIdleDemo(const char* picture);
    // The run the idle menu plays: the best row's, else the demonstration run.
    std::optional<quaroRecording> idleRun(std::string& file, std::string& label);
    // The file of the row's run, or empty; the folder is read on the first call of a wait.
    std::string runOfRow(int row);
    std::optional<quaroRecording> loadOffered(const std::string& file);
    // Draws the menu's picture again (the table for none) and waits on the menu afresh.
    void backToMenu(const char* picture);
    // Says on standard output, and on the table when it shows, that a run does not match;
    // that file is not offered again in the session.
    void reject(const std::string& file, const std::string& label, bool onTable);

    replaysContext game;
    WatchInputHandler watchInput;
    quaroRecording live;
    bool liveTooLong = false; // more frames than a recording holds: it is not kept
    bool watchingRun = false;
    uint32_t idleMs = idleDemoMs;
    std::set<std::string> rejected;
    bool fileFailed = false;
    bool assistedShown = false;
    std::optional<std::vector<std::string>> rowRuns; // of the current wait, once read
    std::optional<quaroRecording> raceRun;
};
