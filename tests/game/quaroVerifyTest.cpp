// Runs verified headless: the line each kind of file gets, and the verdict over many files.
#include "quaroVerify.h"
#include "demoRun.h"
#include "enemyCharSprite.h"
#include "headlessSdl.h"
#include "quaroPaths.h"
#include "quaroStage.h"
#include "roundInput.h"
#include "tempDir.h"
#include "vorlanCharSprite.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

namespace {

// The demonstration's first `frames` frames, then Escape.
quaroRecording leftAfter(uint32_t frames) {
    const quaroRecording demo = demoRun();
    quaroRecording run(demo.seed(), demo.rules());
    for (uint32_t i = 0; i < frames; ++i)
        run.add(demo.frame(i));
    frameInput leave;
    leave.leave = true;
    run.add(leave);
    run.claim("quitter", 0, 1);
    return run;
}

// Steers towards the first outlaw all the time.
class chaser : public roundInputSource {
public:
    explicit chaser(const quaroRound& round) : round(round) {}
    frameInput nextFrame(vorlanCharSprite& hero) override {
        const pt outlaw = round.getCast().enemies[0]->pos;
        frameInput input;
        input.wantedDX = (outlaw.x > hero.pos.x) - (outlaw.x < hero.pos.x);
        input.wantedDY = (outlaw.y > hero.pos.y) - (outlaw.y < hero.pos.y);
        return input;
    }

private:
    const quaroRound& round;
};

// A round of seed 42 lost by walking into the outlaws.
quaroRecording caught(quaroRound& round) {
    constexpr uint32_t enoughFrames = 5000;
    round.start(42);
    chaser player(round);
    recordingTap recorder(player, round);
    while (!round.over() && round.frames() < enoughFrames)
        round.step(recorder);
    quaroRecording run = recorder.recording();
    run.claim("caught", 0, 10);
    return run;
}

void write(const std::string& file, const std::vector<uint8_t>& bytes) {
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

class VerifyTest : public ScreenTest {
protected:
    TempDir dir;
};

TEST_F(VerifyTest, EachFileGetsTheLineOfWhatItsRoundDid) {
    const quaroRecording demo = demoRun();
    quaroRecording forgedName = demo;
    forgedName.claim("\x1b[2Jme", demo.minutes(), demo.seconds());
    quaroRecording forgedTime = demo; // encode computes the checksum anew
    forgedTime.claim(demo.name(), 0, 20);
    quaroRecording newerRules(demo.seed(), quaroRules::current + 1);
    newerRules.add(frameInput());

    quaroStage stage(screen, assetPaths());
    struct fileCase {
        const char* file;
        std::vector<uint8_t> bytes; // empty: a file of the tests' own
        bool matches;
        std::string ending;
    };
    const std::string won = "won: matches";
    const std::vector<fileCase> cases = {
        {"won.run", demo.encode(), true, won},
        {"left.run", leftAfter(40).encode(), false,
         "in 41 frames, left: does not match (the round was left at 00:02, not won)"},
        {"lost.run", caught(stage.round()).encode(), false,
         "lost: does not match (the round was lost at"},
        {"name.run", forgedName.encode(), true, "name.run: \\x1b[2Jme claims"},
        {"time.run", forgedTime.encode(), false, ", not at 00:20)"},
        {QUARO_SOURCE_DIR "/tests/game/replays/demo-v1.run", {}, true, won},
        {"newer.run", newerRules.encode(), false,
         "newer.run: refused: recorded by a newer version of the game's rules"},
        {"damaged.run",
         {'Q', 'R', 'U', 'N'},
         false,
         "damaged.run: refused: too short to be a recording (4 bytes)"},
        {"missing.run", {}, false, "missing.run: refused: "},
    };
    for (const fileCase& c : cases) {
        SCOPED_TRACE(c.file);
        const bool ours = c.file[0] == '/';
        if (!c.bytes.empty())
            write(dir.file(c.file), c.bytes);
        const verifiedRun verified = verifyRunFile(stage.round(), ours ? c.file : dir.file(c.file));
        EXPECT_EQ(verified.matches, c.matches);
        EXPECT_NE(verified.line.find(c.ending), std::string::npos) << verified.line;
    }
}

class VerifyRunsTest : public SdlTest {
protected:
    TempDir dir;
};

TEST_F(VerifyRunsTest, EveryFileMustMatch) {
    quaroRecording forged = demoRun();
    forged.claim("forger", 0, 1);
    write(dir.file("forged.run"), forged.encode());
    const std::string demo = QUARO_ASSET_DIR "/RUN/Demo.run";
    struct verdict {
        std::vector<std::string> files;
        bool allMatch;
    };
    const verdict verdicts[] = {
        {{demo}, true}, {{demo, demo}, true}, {{demo, dir.file("forged.run")}, false}};
    for (const verdict& v : verdicts) {
        std::FILE* out = std::tmpfile();
        EXPECT_EQ(verifyRuns(v.files, assetPaths(), out), v.allMatch);
        EXPECT_EQ(std::ftell(out) > 0, true) << "a line per file";
        std::fclose(out);
    }
}

} // namespace
