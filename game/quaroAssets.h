// The game's pictures and sounds: the file of each, whether a picture is keyed, and the size a
// picture must have for the game to cut it as it does. Loading checks every file at once and
// raises a "FileLoad" error that names the first one that is wrong, so that nothing can fail
// later in the middle of a screen or a round.
#pragma once

#include "kuGeomUtil.h"

#include <array>
#include <cstddef>
#include <string>

class Sound;
class kuImage;
class kuScreen;
struct gamePaths;

namespace quaroAssets {

// The pictures a round and the clocks are drawn from, in the order they are loaded: the
// original thirteen, then what a round shows beside them.
enum picture {
    levelMap,
    walk,
    drinking,
    knockOut,
    superWalk,
    superDrinking,
    indianWalk,
    indianKnockOut,
    products,
    mugs,
    arrow,
    gate,
    font,
    indianFrightened, // the outlaws while the hero is super
    marks,            // the glow, the wait and mute marks, a life, the super bar's fill
    banners,          // ready, and the gate's opening
    pictureCount
};
// The sounds, in the order they are loaded.
enum sound {
    drinkingSound,
    knockOutSound,
    arrowTurnSound,
    quaroArrowSound,
    quaroWalkSound,
    birdSingingSound,
    gateSound,
    indianYell1Sound,
    indianYell2Sound,
    indianTalkSound,
    jubiiSound,
    pickUpSound,
    yieeHaaSound,
    gameOverSound,
    quaroTheKidSound,
    congratSound,
    superEndingSound, // the super form's last three seconds begin
    soundCount
};
// The voices (the yells, the talk, the calls) play at the voices' volume, every other sound
// at the effects'.
bool isVoice(sound which);

// Loaded pictures and sounds by their place in the lists above; not owned.
using pictureSet = std::array<kuImage*, pictureCount>;
using soundSet = std::array<Sound*, soundCount>;

struct pictureFile {
    const char* name; // relative to the data folder, "GFX/Misc/Gate.bmp"
    bool keyed;       // pixels of the colour key are transparent
    sz size;
};
const pictureFile& fileOf(picture which);
const char* fileOf(sound which);

// The full-screen pictures, loaded when they are shown and checked at start-up.
constexpr sz screenSize = {760, 520};
extern const char* const titlePicture1;
extern const char* const titlePicture2;
extern const char* const menuPicture;
extern const char* const gameOverPicture;
extern const char* const creditsPicture;
extern const char* const noRecordPicture;
extern const char* const recordPicture;
extern const char* const highScorePicture;
extern const std::array<const char*, 8> screenPictures;

// A new picture of the data folder on the screen, keyed when asked: pixels of red 220, green
// 188, blue 108 are then transparent. The caller owns it.
kuImage* loadPicture(kuScreen* screen, const gamePaths& paths, const char* fileName, bool keyed);
// Raises when the picture is not of the size the game cuts.
void requireSize(const kuImage& image, const std::string& fileName, const sz& expected);
// A new sound of the data folder, checked whether or not a device runs and converted at once.
// The caller owns it.
Sound* loadSound(const gamePaths& paths, const char* fileName);

} // namespace quaroAssets
