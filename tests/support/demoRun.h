// The generated data folder and the game's demonstration run, for tests that play rounds on
// a stage or in the shell. Needs QUARO_ASSET_DIR, the build folder that holds GFX/ and RUN/.
#pragma once

#include "quaroPaths.h"
#include "quaroRecording.h"

#include <gtest/gtest.h>

inline gamePaths assetPaths() {
    gamePaths paths;
    paths.source = dataSource::variable;
    paths.dataFolder = QUARO_ASSET_DIR;
    return paths;
}

inline quaroRecording demoRun() {
    std::string problem;
    std::optional<quaroRecording> run =
        quaroRecording::load(QUARO_ASSET_DIR "/RUN/Demo.run", problem);
    EXPECT_TRUE(run) << problem;
    return run.value_or(quaroRecording());
}
