// One round of the game, stepped one frame at a time from an input source: the maze, the
// clock, the four outlaws and the hero's two forms (one of them in play), the super form's
// timer, and the two random streams. Playing, watching a run, the idle demonstration, the
// benchmark and the demonstration maker all move a round through step and through nothing
// else, so a round follows from its seed, its rules and the inputs it is given, frame for frame.
#pragma once

#include "quaroAssets.h"
#include "quaroRandom.h"
#include "quaroRecording.h"
#include "quaroRules.h"
#include "wallReadings.h"

#include <array>
#include <cstdint>

class Audio;
class Sound;
class enemyCharSprite;
class kuScreen;
class quaroCounter;
class roundCues;
class vorlanCharSprite;
class vorlanMaze;

// What a round plays with; none of it owned by the round.
struct roundCast {
    static constexpr int enemyCount = 4;

    kuScreen* screen = nullptr;
    vorlanMaze* maze = nullptr;
    quaroCounter* timeCounter = nullptr;
    vorlanCharSprite* normalYou = nullptr;
    vorlanCharSprite* superYou = nullptr;
    std::array<enemyCharSprite*, enemyCount> enemies = {};
    std::array<Sound*, 3> yells = {}; // the two yells and the outlaws' talk
    wallReadings* wall = nullptr;     // the readings beside the clock
    roundCues* cues = nullptr;        // the events shown
    const Audio* audio = nullptr;     // whose muting the wall shows; with none, never muted
};

// Builds the maze with its props, the clock, the outlaws, the hero's two forms, the wall's
// readings and the cues over the pictures and sounds, wired as a round needs them; the maze and
// the outlaws draw from the generator, which outlives them. The caller owns what is built and
// frees it with freeCast, and may give the cast the audio device whose muting the wall shows.
roundCast buildCast(kuScreen* screen, const quaroAssets::pictureSet& pictures,
                    const quaroAssets::soundSet& sounds, quaroRandom& random);
// Deletes what buildCast made and clears the cast.
void freeCast(roundCast& cast);

// Where a round's input comes from, one frame at a time.
class roundInputSource {
public:
    virtual ~roundInputSource() = default;
    // The input of the next frame for the hero in play, asked once per frame before the
    // actors act. A source that steers by handler writes the hero's wish as it always did.
    virtual frameInput nextFrame(vorlanCharSprite& hero) = 0;
};

// What a round draws over its actors without taking part in play, such as a ghost.
class roundOverlay {
public:
    virtual ~roundOverlay() = default;
    // Restores what the overlay covered; called in each frame after the actors erased.
    virtual void erase() = 0;
    // Draws the overlay of the frame being played (0 for the first), over the actors.
    virtual void show(uint32_t frame) = 0;
};

class quaroRound {
public:
    static constexpr int32_t superFrames = 250;
    static constexpr int designedLives = 1; // a catch ends the round
    // How a round ended.
    enum { roundLeft = 0, roundLost = 1, roundWon = 2 };

    // The random streams the cast draws from exist from here on; the cast comes with setCast.
    quaroRound();
    quaroRandom& random() { return playRandom; }
    void setCast(const roundCast& cast) { this->cast = cast; }
    const roundCast& getCast() const { return cast; }

    // Starts a round from its seed under the rules: every piece of state a round reads is set
    // here as in the first round after loading, nothing an earlier round left reaches this
    // one. The whole maze is drawn, with the clock and the wall's readings; it reaches the
    // screen with the first frame's update. With more than one life, a hero knocked out for
    // good while lives are left gets up at its start, the outlaws back at theirs, the goods
    // taken still taken and the clock running on.
    void start(uint32_t seed, uint16_t rules = quaroRules::current, int lives = designedLives);
    // One frame: super-form timing, input, actors, maze, cues and drawing, clock, the wall's
    // readings, screen update and a random yell. The caller paces the frames. Returns the
    // frame's input.
    frameInput step(roundInputSource& input);
    // The player left, the hero was knocked out for good, or it reached the house.
    bool over() const;
    // roundLeft, roundLost or roundWon, once the round is over.
    int result() const;

    // The hero in play: the normal or the super form.
    vorlanCharSprite* hero() const { return you; }
    int32_t superFramesLeft() const { return superTimer; }
    // What the bottom wall says of the round now.
    roundReadings readings() const;
    // Draws the hero and the outlaws where they stand (recorded, not yet shown).
    void showActors();
    uint32_t seed() const { return startSeed; }
    uint16_t rules() const { return playedRules; }
    int lives() const { return roundLives; }
    // Catches that cost a life and were played on from the start.
    int livesLost() const { return lost; }
    // Drawn in every frame from now on (null for none); not owned, and never part of play.
    void setOverlay(roundOverlay* drawnOver) { overlay = drawnOver; }
    // Frames stepped since the start.
    uint32_t frames() const { return framesPlayed; }
    // Outlaws knocked out since the start.
    int knockOuts() const { return outlawsKnockedOut; }

    // The switches between the two forms: the one taking over is refreshed from the other.
    void makeNormal();
    void makeSuper();

private:
    void timeSuperForm();
    void randomYell();
    // Every actor where a round starts it; the hero keeps what it took.
    void placeActors();
    // After a catch with lives left: the actors back at their starts.
    void nextLife();

    roundCast cast;
    vorlanCharSprite* you = nullptr;
    int32_t superTimer = 0;
    // What decides play draws from the round's stream; what only decorates draws from its own,
    // so that it can change without changing play.
    quaroRandom playRandom;
    quaroRandom cosmeticRandom;
    uint32_t startSeed = 0;
    uint16_t playedRules = quaroRules::current;
    uint32_t framesPlayed = 0;
    int outlawsKnockedOut = 0;
    roundOverlay* overlay = nullptr;
    bool left = false;
    int roundLives = designedLives;
    int lost = 0;
};
