#include "quaroRecording.h"
#include "quaroRules.h"
#include "tempDir.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using bytes = std::vector<uint8_t>;

// Frames 0 to 29 hold still, then every input a frame can hold (nine wishes, each with and
// without leave and pause) for one to four frames.
quaroRecording sample() {
    quaroRecording run(0xdeadbeef, quaroRules::current);
    for (int i = 0; i < 30; ++i)
        run.add({});
    int length = 0;
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            for (int flags = 0; flags < 4; ++flags)
                for (int i = 0; i <= length++ % 4; ++i)
                    run.add({dx, dy, (flags & 1) != 0, (flags & 2) != 0});
    run.claim("kid", 1, 25);
    return run;
}

// Two recordings are the same when their files are: the encoding is a function of them.
void expectSame(const quaroRecording& a, const quaroRecording& b) {
    EXPECT_EQ(a.encode(), b.encode());
    EXPECT_EQ(a.frameCount(), b.frameCount());
}

} // namespace

TEST(RecordingTest, AFileGivesBackEveryFrameTheSeedTheNameAndTheTime) {
    const quaroRecording run = sample();
    const bytes file = run.encode();
    std::string problem;
    const std::optional<quaroRecording> back =
        quaroRecording::decode(file.data(), file.size(), problem);
    ASSERT_TRUE(back) << problem;
    expectSame(*back, run);
    EXPECT_EQ(back->encode(), file);
}

TEST(RecordingTest, EqualFramesMakeRunsOfAtMost65535) {
    quaroRecording run(1, quaroRules::current);
    for (int i = 0; i < 100000; ++i)
        run.add({1, 0, false, false});
    run.add({0, 0, true, false});
    const bytes file = run.encode();
    ASSERT_EQ(file.size(), 19u + 4 + 3 * 3 + 4) << "65535 + 34465 frames, then the leave";
    EXPECT_EQ(bytes(file.begin() + 23, file.begin() + 26), (bytes{0x02, 0xff, 0xff}));
}

TEST(RecordingTest, ANameIsCutAtTenBytesAndARecordingWithoutFramesHasNoFile) {
    quaroRecording run(5, quaroRules::current);
    run.claim("abcdefghijklmno", 0, 0);
    EXPECT_EQ(run.name(), "abcdefghij");
    EXPECT_TRUE(run.encode().empty());
    EXPECT_FALSE(run.save("never-written.run"));
}

TEST(RecordingTest, ASaveReplacesTheFileWholeInFoldersOfThePlayerAlone) {
    TempDir dir;
    const std::string file = dir.file("Save/Replays/one.run");
    ASSERT_TRUE(sample().save(file));
    quaroRecording second(7, quaroRules::current);
    second.add({0, 1, false, false});
    second.claim("second", 0, 3);
    ASSERT_TRUE(second.save(file));
    std::string problem;
    const std::optional<quaroRecording> back = quaroRecording::load(file, problem);
    ASSERT_TRUE(back) << problem;
    expectSame(*back, second);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.file("Save/Replays")), {}), 1)
        << "no temporary file is left";
    struct stat info;
    ASSERT_EQ(stat(dir.file("Save/Replays").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
}

// The fuzzer's corpus is also the table of damaged files: each is refused with its reason,
// after the file's name, and its header alone is refused for the same reason. The whole ones
// load, with the header their recording has; a file of version 2 or 3 gives back its own bytes,
// one of version 1 (rules 1) comes back as the same recording in version 2.
struct corpusFile {
    const char* name;
    const char* problem; // empty for a whole recording
};

const corpusFile corpusFiles[] = {
    {"whole-round.run", ""},
    {"whole-one-frame.run", ""},
    {"whole-every-input.run", ""},
    {"empty.run", "too short to be a recording (0 bytes)"},
    {"magic-only.run", "too short to be a recording (4 bytes)"},
    {"truncated-header.run", "too short to be a recording (19 bytes)"},
    {"other-magic.run", "not a recording (it does not begin with QRUN)"},
    {"version-4.run", "a recording of version 4; this game reads versions 1 to 3"},
    {"v3-whole-round.run", ""},
    {"v3-absurd-assists.run", "absurd assists (speed 40%, 3 lives)"},
    {"v3-as-designed.run", "absurd assists (speed 100%, 1 lives)"},
    {"v2-whole-round.run", ""},
    {"v2-whole-one-frame.run", ""},
    {"v2-truncated-header.run", "too short to be a recording (29 bytes)"},
    {"v2-rules-newer.run", "recorded by a newer version of the game's rules"},
    {"v2-rules-older.run", "recorded by an older version of the game's rules"},
    {"no-frames.run", "an absurd frame count (0)"},
    {"absurd-frames.run", "an absurd frame count (2147483647)"},
    {"million-frames.run", "an absurd frame count (1048560)"}, // in 75 bytes
    {"over-the-clock.run", "an absurd frame count (194401)"},
    {"v2-longest.run", ""},
    {"absurd-time.run", "an absurd time (200 minutes 25 seconds)"},
    {"absurd-name.run", "an absurd name length (40)"},
    {"cut-in-name.run", "truncated (28 bytes end inside its header)"},
    {"no-runs.run", "an absurd run count (0 for 245 frames)"},
    {"absurd-runs.run", "an absurd run count (4294967295 for 245 frames)"},
    {"truncated.run", "truncated (51 of 52 bytes)"},
    {"trailing.run", "3 bytes past its end"},
    {"bad-crc.run", "damaged (its checksum does not match)"},
    {"zero-in-name.run", "a name with a zero byte"},
    {"zero-run.run", "a damaged run (1 of 2)"},
    {"unknown-bits.run", "a damaged run (1 of 1)"},
    {"both-ways.run", "a damaged run (1 of 1)"},
    {"runs-long.run", "a damaged run (7 of 8)"},
    {"runs-short.run", "runs of 245 frames for a count of 250"},
};

class CorpusFile : public ::testing::TestWithParam<corpusFile> {};

TEST_P(CorpusFile, LoadsWholeOrIsRefusedSayingWhy) {
    const std::string file =
        std::string(QUARO_SOURCE_DIR) + "/tests/fuzz/recordingCorpus/" + GetParam().name;
    std::string problem;
    const std::optional<quaroRecording> run = quaroRecording::load(file, problem);
    std::string headerProblem;
    const std::optional<quaroRecording::header> header =
        quaroRecording::loadHeader(file, headerProblem);
    EXPECT_EQ(headerProblem, problem);
    if (*GetParam().problem == '\0') {
        ASSERT_TRUE(run) << problem;
        ASSERT_TRUE(header);
        EXPECT_EQ(header->seed, run->seed());
        EXPECT_EQ(header->rules, run->rules());
        EXPECT_EQ(header->frameCount, run->frameCount());
        EXPECT_EQ(header->name, run->name());
        EXPECT_EQ(header->minutes, run->minutes());
        EXPECT_EQ(header->seconds, run->seconds());
        std::ifstream in(file, std::ios::binary);
        const bytes stored(std::istreambuf_iterator<char>(in), {});
        const bytes again = run->encode();
        if (stored[4] != 1) {
            EXPECT_EQ(again, stored);
        } else {
            EXPECT_EQ(run->rules(), 1);
            const std::optional<quaroRecording> back =
                quaroRecording::decode(again.data(), again.size(), problem);
            ASSERT_TRUE(back) << problem;
            expectSame(*back, *run);
        }
    } else {
        EXPECT_FALSE(run);
        EXPECT_FALSE(header);
        EXPECT_EQ(problem, file + ": " + GetParam().problem);
    }
}

INSTANTIATE_TEST_SUITE_P(Recordings, CorpusFile, ::testing::ValuesIn(corpusFiles));

TEST(RecordingTest, TheCorpusTableNamesEveryCorpusFile) {
    const auto corpus = std::filesystem::path(QUARO_SOURCE_DIR) / "tests/fuzz/recordingCorpus";
    const auto files = std::distance(std::filesystem::directory_iterator(corpus), {});
    EXPECT_EQ(size_t(files), std::size(corpusFiles));
}

struct unreadable {
    const char* what;
    void (*make)(const std::string& file);
    const char* problem;
};

const unreadable unreadables[] = {
    {"missing", [](const std::string&) {}, "No such file or directory"},
    {"a folder", [](const std::string& f) { std::filesystem::create_directory(f); },
     "not a regular file"},
    {"longer than any recording",
     [](const std::string& f) {
         std::ofstream(f) << "QRUN";
         std::filesystem::resize_file(f, quaroRecording::maxFileBytes + 1);
     },
     "an absurd length"},
};

class UnreadableRecording : public ::testing::TestWithParam<unreadable> {};

TEST_P(UnreadableRecording, IsRefusedNamingTheFile) {
    TempDir dir;
    const std::string file = dir.file("odd.run");
    GetParam().make(file);
    std::string problem;
    EXPECT_FALSE(quaroRecording::load(file, problem));
    EXPECT_EQ(problem.rfind(file + ": ", 0), 0u) << problem;
    EXPECT_NE(problem.find(GetParam().problem), std::string::npos) << problem;
}

INSTANTIATE_TEST_SUITE_P(Files, UnreadableRecording, ::testing::ValuesIn(unreadables));
