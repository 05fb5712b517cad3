#include "quaroAssets.h"

#include "commonCharSprite.h"
#include "fontLayout.h"
#include "kuAudio.h"
#include "kuExceptions.h"
#include "kuImages.h"
#include "kuPlatform.h"
#include "kuPrintable.h"
#include "mazeLayout.h"
#include "quaroPaths.h"
#include "readingsLayout.h"

#include <cstdio>
#include <memory>
#include <new>

namespace quaroAssets {

const char* const titlePicture1 = "GFX/Misc/StartScreen_01.bmp";
const char* const titlePicture2 = "GFX/Misc/StartScreen_02.bmp";
const char* const menuPicture = "GFX/Misc/StartScreen_03.bmp";
const char* const gameOverPicture = "GFX/Misc/GameOver.bmp";
const char* const creditsPicture = "GFX/Misc/Credits.bmp";
const char* const noRecordPicture = "GFX/Misc/Congrat1.bmp";
const char* const recordPicture = "GFX/Misc/Congrat2.bmp";
const char* const highScorePicture = "GFX/Misc/HighScore.bmp";
const std::array<const char*, 8> screenPictures = {
    titlePicture1,  titlePicture2,   menuPicture,   gameOverPicture,
    creditsPicture, noRecordPicture, recordPicture, highScorePicture};

namespace {

// The colour key of every keyed picture.
constexpr Uint8 keyRed = 220;
constexpr Uint8 keyGreen = 188;
constexpr Uint8 keyBlue = 108;

constexpr uint32_t frame = commonCharSprite::frameSize;
constexpr sz characterSheetSize = {22 * frame, commonCharSprite::rowCount* frame}; // frames 0-21
constexpr sz productsSize = {mazeLayout::productX[mazeLayout::productKinds - 1] +
                                 mazeLayout::productWidth[mazeLayout::productKinds - 1],
                             mazeLayout::productHeight};
constexpr sz mugsSize = {10 * frame, 4 * frame};     // ten frames for each of the four mugs
constexpr sz arrowSize = {8 * frame, frame};         // eight frames, one row
constexpr sz gateSize = {10 * 3 * frame, 2 * frame}; // ten frames three bricks wide, two rows
constexpr sz fontSize = {fontLayout::cellsPerRow * fontLayout::glyphWidth,
                         fontLayout::rowCount* fontLayout::glyphHeight};
constexpr sz marksSize = {readingsLayout::marksWidth, readingsLayout::marksHeight};
constexpr sz bannersSize = {readingsLayout::bannersWidth, readingsLayout::bannersHeight};

const pictureFile pictureFiles[pictureCount] = {
    {"GFX/Misc/Level_Map.bmp", false, screenSize},
    {"GFX/Quaro/Quaro_Walk.bmp", true, characterSheetSize},
    {"GFX/Quaro/Quaro_Drinking.bmp", true, characterSheetSize},
    {"GFX/Quaro/Quaro_KnockOut.bmp", true, characterSheetSize},
    {"GFX/Quaro/Quaro_SuperWalk.bmp", true, characterSheetSize},
    {"GFX/Quaro/Quaro_SuperDrinking.bmp", true, characterSheetSize},
    {"GFX/Indian/Indian_Walk.bmp", true, characterSheetSize},
    {"GFX/Indian/Indian_KnockOut.bmp", true, characterSheetSize},
    {"GFX/Misc/Products.bmp", true, productsSize},
    {"GFX/Misc/Mugs.bmp", true, mugsSize},
    {"GFX/Misc/Arrow.bmp", true, arrowSize},
    {"GFX/Misc/Gate.bmp", true, gateSize},
    {"GFX/Misc/Font.bmp", true, fontSize},
    {"GFX/Indian/Indian_Frightened.bmp", true, characterSheetSize},
    {"GFX/Misc/Marks.bmp", true, marksSize},
    {"GFX/Misc/Banners.bmp", true, bannersSize},
};

const char* const soundFiles[soundCount] = {
    "SFX/Drinking.wav",      "SFX/KnockOut.wav",    "SFX/ArrowTurn.wav",   "SFX/QuaroArrow.wav",
    "SFX/QuaroWalk.wav",     "SFX/BirdSinging.wav", "SFX/Gate.wav",        "SFX/IndianYell_01.wav",
    "SFX/IndianYell_02.wav", "SFX/IndianTalk.wav",  "SFX/Jubii.wav",       "SFX/PickUp.wav",
    "SFX/YieeHaa.wav",       "SFX/GameOver.wav",    "SFX/QuaroTheKid.wav", "SFX/Congrat.wav",
    "SFX/SuperEnding.wav",
};

} // namespace

const pictureFile& fileOf(picture which) {
    return pictureFiles[which];
}

const char* fileOf(sound which) {
    return soundFiles[which];
}

kuImage* loadPicture(kuScreen* screen, const gamePaths& paths, const char* fileName, bool keyed) {
    std::unique_ptr<kuImage> image(new (std::nothrow) kuImage);
    if (!image)
        kuE::kuRaiseGeneric("MEMORY", "Out of memory!");
    image->setScreen(screen);
    image->loadBMP(paths.dataFile(fileName).c_str());
    if (keyed)
        kuPlatform::setColourKey(image->getSDLSurface(), keyRed, keyGreen, keyBlue);
    return image.release();
}

void requireSize(const kuImage& image, const std::string& fileName, const sz& expected) {
    sz found;
    image.getSize(found);
    if (sizeManip::isEqual(found, expected))
        return;
    char message[kuE::textSize];
    std::snprintf(message, sizeof message, "%s is %u x %u pixels, expected %u x %u",
                  kuPrintable(fileName).c_str(), unsigned(found.width), unsigned(found.height),
                  unsigned(expected.width), unsigned(expected.height));
    kuE::kuRaiseGeneric("FileLoad", message);
}

Sound* loadSound(const gamePaths& paths, const char* fileName) {
    const std::string path = paths.dataFile(fileName);
    const std::string problem = soundFileProblem(path.c_str());
    if (!problem.empty())
        kuE::kuRaiseGeneric("FileLoad",
                            ("Couldn't load " + kuPrintable(path) + ": " + problem).c_str());
    std::unique_ptr<Sound> sound(new Sound);
    sound->loadWAV(path.c_str());
    sound->CheckConvert();
    return sound.release();
}

} // namespace quaroAssets

bool quaroAssets::isVoice(sound which) {
    switch (which) {
    case indianYell1Sound:
    case indianYell2Sound:
    case indianTalkSound:
    case jubiiSound:
    case yieeHaaSound:
    case quaroTheKidSound:
    case congratSound:
        return true;
    default:
        return false;
    }
}
