#include "quaroStage.h"

#include "kuAudio.h"
#include "kuImages.h"
#include "quaroPaths.h"

quaroStage::quaroStage(kuScreen& screen, const gamePaths& paths) {
    using namespace quaroAssets;
    pictureSet loadedPictures;
    for (int which = 0; which < pictureCount; ++which) {
        const pictureFile& file = fileOf(picture(which));
        pictures[size_t(which)].reset(loadPicture(&screen, paths, file.name, file.keyed));
        requireSize(*pictures[size_t(which)], paths.dataFile(file.name), file.size);
        loadedPictures[size_t(which)] = pictures[size_t(which)].get();
    }
    soundSet loadedSounds;
    for (int which = 0; which < soundCount; ++which) {
        sounds[size_t(which)].reset(loadSound(paths, fileOf(sound(which))));
        loadedSounds[size_t(which)] = sounds[size_t(which)].get();
    }
    cast = buildCast(&screen, loadedPictures, loadedSounds, theRound.random());
    theRound.setCast(cast);
}

// The actors go before the pictures and sounds they were built over.
quaroStage::~quaroStage() {
    freeCast(cast);
}
