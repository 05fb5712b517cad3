// The game: owns every device, picture, sound, counter and actor from loadData to freeData,
// and leads the player from the title screens through menus and rounds to the credits. Every
// owning pointer is null outside that span; a round only resets the objects it finds. The
// round itself, its recording and replays, the pause, the shared keys and the options are
// units of their own, which the shell drives.
#pragma once

#include "frameClock.h"
#include "kuCalendar.h"
#include "kuExceptions.h"
#include "kuGamepad.h"
#include "quaroOptions.h"
#include "quaroPaths.h"
#include "quaroRecording.h"
#include "quaroReplays.h"
#include "quaroSettings.h"
#include "screenNotes.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

class Audio;
class EnterInputHandler;
class IntroInputHandler;
class MenuInputHandler;
class Sound;
class VorlanInputHandler;
class enemyCharSprite;
class kuImage;
class kuScreen;
class quaroCounter;
class quaroLettering;
class quaroRace;
class quaroRound;
class roundCues;
class shellKeys;
class vorlanCharSprite;
class vorlanMaze;
class wallReadings;

class vorlanGameShell : public kuCheckedExec {
public:
    static constexpr int enemyCount = 4;
    static constexpr Uint32 frameMs = 66;

    // Menu choices, and how a round ended (as quaroRound says it).
    enum {
        choiceStart = 0,
        choiceHighscore = 1,
        choiceQuit = 2,
        choiceDaily = 3,
        choiceRace = 4,
        choiceSettings = 5
    };
    enum { roundLeft = 0, roundLost = 1, roundWon = 2 };

    vorlanGameShell();
    // Frees whatever an error left loaded; after a normal run there is nothing left.
    ~vorlanGameShell() override;

    // What the command line asked for, parsed once by the entry, and where the data and the
    // table are; with a run, the game plays it and ends (--replay). Set before loadData.
    // With a ghost, the game starts with a race against it (--ghost).
    void configure(const gameOptions& options, const gamePaths& paths,
                   std::optional<quaroRecording> replay = std::nullopt,
                   std::optional<quaroRecording> ghost = std::nullopt);
    // The settings read at start-up, and the file a change is written to (none: a change is
    // not kept). Set before loadData.
    void keepSettings(const quaroSettings& chosen, std::unique_ptr<settingsFile> store);
    const quaroSettings& currentSettings() const { return settings; }
    // Runs the settings screen until the player leaves it, applying and keeping every change;
    // the caller draws its own screen again.
    void openSettings();
    // The whole flow: titles, menus, rounds, high scores, credits; or the run of --replay.
    // The arguments were parsed by the entry and are not used.
    void userExec(int argc, char** argv) override;
    // Acts on menu choices, playing rounds and showing the table, until the quit choice.
    int playMenus(int choice);

    // Starts the devices, loads every picture and sound, builds and wires the actors.
    void loadData();
    // Deletes everything loadData made, the audio device before the sounds it may play.
    void freeData();
    // Picture and sound names are relative to the data folder, "GFX/Misc/Gate.bmp".
    kuImage* loadImage(const char* fileName);
    // Pixels of red 220, green 188, blue 108 are transparent in the loaded picture.
    kuImage* loadKeyedImage(const char* fileName);
    // Checks the file whether or not a device runs, and converts the sound at once.
    Sound* loadSound(const char* fileName);

    // Starts a round seeded with the clock's ticks, recorded from its first frame.
    void initGame();
    // Starts a round raced against the run's ghost (quaroRace).
    void initRace(const quaroRecording& run);
    // Starts the day's round (quaroDaily) of the date, whose records go to the day's table.
    void initDaily(const kuDate& date);
    // The ready moment before the first frame of the round initGame, initRace or initDaily
    // started; returns the frames it waited.
    int getReady();
    // Plays the round frame by frame from the player's input, pausing between frames when the
    // player asks; returns roundLeft, roundLost or roundWon.
    int run();
    // Returns when the next frame may start: 66 ms after the start of the previous wait.
    void waitFrame();

    void displayImageFile(const char* fileName);
    // Returns 0 when the window was closed, 1 when the player went on.
    int titleScreen(const char* fileName);
    // Shows the picture (none for null) and returns the menu choice.
    int menuScreen(const char* fileName);
    // Shows the picture for the seconds; a request to close the game ends the wait.
    void delayScreen(const char* fileName, int seconds);

    // After a won round: the congratulation, the name entry and the table (the day's after
    // the daily round; the assisted list beside it for a round played with an assist, which
    // never enters a table); returns the choice of the menu that ends it.
    int checkHighscore();
    void displayHighscore(bool assisted = false);

    // The clock to pace with (not owned); null puts SDL's back.
    void setClock(frameClock* clock);
    // The round the game plays, from loadData to freeData.
    quaroRound& round() { return *theRound; }
    quaroReplays& replays() { return replayer; }

    kuScreen* screen;
    Audio* audio;
    VorlanInputHandler* playInput;
    IntroInputHandler* introInput;
    MenuInputHandler* menuInput;
    EnterInputHandler* enterInput;

    Sound* drinkingSound;
    Sound* knockOutSound;
    Sound* arrowTurnSound;
    Sound* quaroArrowSound;
    Sound* quaroWalkSound;
    Sound* birdSingingSound;
    Sound* gateSound;
    Sound* indianYell1Sound;
    Sound* indianYell2Sound;
    Sound* indianTalkSound;
    Sound* jubiiSound;
    Sound* pickUpSound;
    Sound* yieeHaaSound;
    Sound* gameOverSound;
    Sound* quaroTheKidSound;
    Sound* congratSound;
    Sound* superEndingSound; // beyond the original sixteen, as the pictures below

    kuImage* levelMapImage;
    kuImage* walkImage;
    kuImage* drinkingImage;
    kuImage* knockOutImage;
    kuImage* superWalkImage;
    kuImage* superDrinkingImage;
    kuImage* indianWalkImage;
    kuImage* indianKnockOutImage;
    kuImage* productsImage;
    kuImage* mugsImage;
    kuImage* arrowImage;
    kuImage* gateImage;
    kuImage* fontImage;
    kuImage* indianFrightenedImage;
    kuImage* marksImage;
    kuImage* bannersImage;

    vorlanMaze* maze;
    quaroCounter* timeCounter;
    quaroCounter* tableCounter;
    quaroCounter* nameCounter;
    vorlanCharSprite* normalYou;
    vorlanCharSprite* superYou;
    enemyCharSprite* enemies[enemyCount];
    Uint32 nextFrameTime;

private:
    // Draws the whole picture at the top-left corner, not yet shown; the caller owns it.
    std::unique_ptr<kuImage> drawPictureFile(const char* fileName);
    // A menu's picture with what the game writes on it (today's best of the daily round, what
    // the lost round came to), shown; none for null.
    void showMenuPicture(const char* fileName);
    void startDevices();
    // A start that opens on the titles: not a run to watch, a daily round or a race.
    bool opensOnTitles() const;
    // The first title needs one picture: a start that opens on it shows it at once, and the
    // rest loads and is checked while the player looks at it.
    void showFirstTitle();
    // Every handler lets the shared keys see its events first; the handlers that read the
    // mouse map it through the screen.
    void connectInput();
    // Waits on the title on screen until the player goes on (1) or the window closes (0).
    int waitOnTitle();
    // Loads the pictures and sounds, checks the screens and every picture's size; raises a
    // "FileLoad" error naming the first file that is wrong.
    void loadAssets();
    void buildActors();
    // Binds the keys, sets the volumes, the flashing and the window as the settings say.
    void applySettings();
    // Applies the settings and writes them to their file.
    void changeSettings(const quaroSettings& chosen);
    bool reducedFlashing() const { return options.reducedFlashing || settings.reducedFlashing; }
    // Says on the record's screen that the table could not be saved, and why, until a key.
    void showSaveFailure(const std::string& why);
    // True once the game was asked to close (a window close, SIGTERM, SIGINT): every screen
    // from then on ends at once.
    bool closing() const;

    gameOptions options;
    gamePaths paths;
    std::optional<quaroRecording> replayRun;
    std::optional<quaroRecording> ghostRun; // the run the next race is against
    std::unique_ptr<quaroRace> race;        // of the round, when it is a race
    // The viewer's take-over: the round goes on from where it stands with the player's input,
    // marked "practice", never recorded.
    void practice();
    // After a race: its splits over the maze until a key.
    void showSplits();
    std::optional<kuDate> dailyDate; // of the round when it is the daily round
    // The paths with the table that the round's record enters, shown and watched from: the
    // main one, or the day's from the start of a daily round to the menu after it.
    gamePaths tablePaths;
    // Prints the line a player shares after the daily round.
    void shareDailyResult(bool won) const;
    systemClock defaultClock;
    frameClock* clock;
    std::unique_ptr<shellKeys> keys;
    std::unique_ptr<kuGamepad> gamepad;
    std::unique_ptr<quaroRound> theRound;
    // The parts of the round's cast beyond the original design, which the fields above do not hold.
    std::unique_ptr<wallReadings> wall;
    std::unique_ptr<roundCues> cues;
    std::unique_ptr<quaroLettering> lettering; // the messages over the pictures
    lostRound lastLost;                        // what the game-over screen says
    quaroReplays replayer;
    quaroSettings settings;
    std::unique_ptr<settingsFile> settingsStore;
};
