#include "quaroOptions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct ScaleCase {
    std::vector<std::string> arguments;
    int scale;
    bool refused;
};

class ScaleOptionTest : public ::testing::TestWithParam<ScaleCase> {};

gameOptions parse(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "quaro");
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    return parseOptions(int(arguments.size()), argv.data());
}

} // namespace

TEST(GameOptionsTest, FlagsAndUnknownArguments) {
    EXPECT_FALSE(parse({}).windowed);
    EXPECT_EQ(parse({}).scale, 0);
    EXPECT_FALSE(parse({}).muted);
    EXPECT_FALSE(parse({}).reducedFlashing);
    const gameOptions options =
        parse({"--fast", "--window", "--help", "--mute", "--version", "--reduced-flashing"});
    EXPECT_TRUE(options.windowed);
    EXPECT_TRUE(options.reducedFlashing);
    EXPECT_TRUE(options.help);
    EXPECT_TRUE(options.muted);
    EXPECT_TRUE(options.version);
    EXPECT_EQ(options.unknown, (std::vector<std::string>{"--fast"}));
    EXPECT_EQ(options.error, "");
}

TEST_P(ScaleOptionTest, TakesAWholeFactorFromOneToSix) {
    const gameOptions options = parse(GetParam().arguments);
    EXPECT_EQ(options.scale, GetParam().scale);
    EXPECT_EQ(!options.error.empty(), GetParam().refused) << options.error;
    EXPECT_TRUE(options.unknown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Values, ScaleOptionTest,
    ::testing::Values(ScaleCase{{"--scale", "1"}, 1, false}, ScaleCase{{"--scale", "6"}, 6, false},
                      ScaleCase{{"--scale=3", "--window"}, 3, false},
                      ScaleCase{{"--scale", "0"}, 0, true}, ScaleCase{{"--scale", "7"}, 0, true},
                      ScaleCase{{"--scale", "2x"}, 0, true}, ScaleCase{{"--scale=-1"}, 0, true},
                      ScaleCase{{"--scale"}, 0, true}));

TEST(GameOptionsTest, FileOptionsTakeAFileAfterThemOrAfterAnEqualsSign) {
    const struct {
        std::string option;
        std::string gameOptions::*file;
        const char* missing;
    } cases[] = {
        {"--replay", &gameOptions::replayFile,
         "--replay takes the file of a run, or a link to one"},
        {"--export", &gameOptions::exportFile,
         "--export takes the file to write the saved games to"},
        {"--import", &gameOptions::importFile, "--import takes a file of saved games"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(parse({c.option, "a.run"}).*c.file, "a.run");
        EXPECT_EQ(parse({c.option + "=https://x.org/#run=QQ", "--window"}).*c.file,
                  "https://x.org/#run=QQ");
        EXPECT_EQ(parse({}).*c.file, "");
        for (const std::vector<std::string>& missing :
             {std::vector<std::string>{c.option}, std::vector<std::string>{c.option + "="}})
            EXPECT_EQ(parse(missing).error, c.missing);
    }
}

// A forced scale in full screen is refused in one line that names the desktop's size, and the
// game's where even factor 1 is too large: a 640 x 480 desktop fits the picture at no scale.
TEST(GameOptionsTest, AScaleThatDoesNotFitIsRefusedNamingTheSizes) {
    const struct {
        std::vector<std::string> arguments;
        sz desktop;
        std::string refusal;
    } cases[] = {
        {{"--scale", "2"}, {1920, 1080}, ""},
        {{"--scale", "3"},
         {1920, 1080},
         "quaro: --scale 3 does not fit the 1920 x 1080 desktop in full screen; at most 2 does, "
         "or add --window"},
        {{"--scale", "2"},
         {640, 480},
         "quaro: the 640 x 480 desktop is smaller than the game's 760 x 520 picture at any "
         "scale, so --scale 2 cannot take it whole; add --window"},
        {{"--scale", "1"},
         {640, 480},
         "quaro: the 640 x 480 desktop is smaller than the game's 760 x 520 picture at any "
         "scale, so --scale 1 cannot take it whole; add --window"},
        {{"--scale", "2", "--window"}, {640, 480}, ""},
        {{}, {640, 480}, ""},
        {{"--scale", "2"},
         {0, 0}, // no size reported: the picture's own
         "quaro: --scale 2 does not fit the 760 x 520 desktop in full screen; at most 1 does, or "
         "add --window"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(scaleRefusal(parse(c.arguments), c.desktop), c.refusal)
            << c.desktop.width << " x " << c.desktop.height;
}
