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

TEST(GameOptionsTest, ReplayTakesAFileAfterItOrAfterAnEqualsSign) {
    EXPECT_EQ(parse({"--replay", "a.run"}).replayFile, "a.run");
    EXPECT_EQ(parse({"--replay=a.run", "--window"}).replayFile, "a.run");
    EXPECT_EQ(parse({}).replayFile, "");
    for (const std::vector<std::string>& missing :
         {std::vector<std::string>{"--replay"}, std::vector<std::string>{"--replay="}})
        EXPECT_EQ(parse(missing).error, "--replay takes the file of a run");
}
