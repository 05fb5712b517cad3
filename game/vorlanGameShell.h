// The game: owns every device, picture, sound, counter and actor from loadData to freeData,
// and leads the player from the title screens through menus and rounds to the credits. Every
// owning pointer is null outside that span; a round only resets the objects it finds.
#pragma once

#include "frameClock.h"
#include "kuExceptions.h"
#include "kuGeomUtil.h"
#include "quaroOptions.h"
#include "quaroPaths.h"
#include "quaroRandom.h"
#include "quaroReplays.h"

#include <cstdint>
#include <memory>
#include <utility>

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
class shellKeys;
class vorlanCharSprite;
class vorlanMaze;

class vorlanGameShell : public kuCheckedExec {
public:
    static constexpr int enemyCount = 4;
    static constexpr Uint32 frameMs = 66;
    static constexpr int32_t superFrames = 250;

    // Menu choices, and how a round ended.
    enum { choiceStart = 0, choiceHighscore = 1, choiceQuit = 2 };
    enum { roundLeft = 0, roundLost = 1, roundWon = 2 };

    vorlanGameShell();
    // Frees whatever an error left loaded; after a normal run there is nothing left.
    ~vorlanGameShell() override;

    // The whole flow: titles, menus, rounds, high scores, credits. Understands --window and
    // --scale; a scale that does not fit the desktop in full screen is refused on standard
    // error before anything starts.
    void userExec(int argc, char** argv) override;
    // Acts on menu choices, playing rounds and showing the table, until the quit choice.
    int playMenus(int choice);

    // Starts the devices, loads every picture and sound, builds and wires the actors.
    void loadData();
    // Deletes everything loadData made, the audio device before the sounds it may play.
    void freeData();
    // Picture and sound names are relative to the data folder of setPaths, "GFX/Misc/Gate.bmp".
    kuImage* loadImage(const char* fileName);
    // Pixels of red 220, green 188, blue 108 are transparent in the loaded picture.
    kuImage* loadKeyedImage(const char* fileName);
    // Checks the file whether or not a device runs, and converts the sound at once.
    Sound* loadSound(const char* fileName);
    vorlanCharSprite* createYou(kuImage* walk, kuImage* knockOut, kuImage* drinking);
    void makeNormal();
    void makeSuper();

    // Starts a round seeded with the clock's ticks.
    void initGame();
    // Starts a round from the seed alone: every piece of state a round reads is set here,
    // nothing carries over from an earlier round, so a recording's seed and inputs give its
    // round back frame for frame.
    void startRound(uint32_t seed);
    // Plays the round frame by frame, pausing between frames when the player asks; returns
    // roundLeft, roundLost or roundWon.
    int run();
    // The player left, the hero was knocked out for good, or it reached the house.
    bool roundOver() const;
    // Shows the pause box and waits, frame by frame, for the player to resume or leave.
    void pauseRound();
    // One frame of a round: super-form timing, input, actors, maze, drawing, clock, screen
    // update, a random yell, and the wait for the next frame.
    void playFrame();
    // Returns when the next frame may start: 66 ms after the start of the previous wait.
    void waitFrame();

    void displayImageFile(const char* fileName);
    // Returns 0 when the window was closed, 1 when the player went on.
    int titleScreen(const char* fileName);
    // Shows the picture (none for null) and returns the menu choice.
    int menuScreen(const char* fileName);
    void delayScreen(const char* fileName, int seconds);

    // After a won round: the congratulation, the name entry and the table; returns the
    // choice of the menu that ends it.
    int checkHighscore();
    void displayHighscore();

    // The clock to pace with (not owned); null puts SDL's back.
    void setClock(frameClock* clock);
    frameClock* getClock() const { return clock; }
    void setWindowed(bool windowed) { this->windowed = windowed; }
    // Where the pictures, sounds and table are; by default the current folder's. Set before
    // loadData.
    void setPaths(gamePaths paths) { this->paths = std::move(paths); }
    const gamePaths& getPaths() const { return paths; }
    // The factor the picture is enlarged by, 0 for the largest that fits.
    void setScale(int factor) { scale = factor; }
    // False, after saying why, when the forced scale does not fit the desktop in full screen.
    bool scaleFits() const;

    kuScreen* screen;
    Audio* audio;
    VorlanInputHandler* playInput;
    IntroInputHandler* introInput;
    MenuInputHandler* menuInput;
    EnterInputHandler* enterInput;
    std::unique_ptr<shellKeys> keys; // on every handler: the keys every screen shares

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

    vorlanMaze* maze;
    quaroCounter* timeCounter;
    quaroCounter* tableCounter;
    quaroCounter* nameCounter;
    vorlanCharSprite* you; // not owned: normalYou or superYou
    vorlanCharSprite* normalYou;
    vorlanCharSprite* superYou;
    enemyCharSprite* enemies[enemyCount];
    Uint32 nextFrameTime;
    int32_t superTimer;
    quaroRandom roundRandom; // every draw of a round: products, arrows, outlaws, yells
    quaroReplays replays;    // records the rounds and plays runs back

private:
    // Draws the whole picture at the top-left corner, not yet shown; the caller owns it.
    std::unique_ptr<kuImage> drawPictureFile(const char* fileName);
    void startDevices();
    // Loads the pictures and sounds, checks the screens and every picture's size; raises a
    // "FileLoad" error naming the first file that is wrong.
    void connectInput();
    void openGamepad();
    // True once the game was asked to close (a window close, SIGTERM, SIGINT).
    bool closing() const;
    void loadAssets();
    static void requireSize(const kuImage& image, const std::string& fileName, const sz& expected);
    void buildActors();
    void timeSuperForm();
    void randomYell();
    int roundResult() const;

    sdlClock defaultClock;
    frameClock* clock;
    bool windowed;
    gamePaths paths;
    int scale;
    bool startMuted;
    SDL_Joystick* gamepad; // the first one, if any
};
