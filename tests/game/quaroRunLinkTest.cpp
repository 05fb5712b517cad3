#include "quaroRunLink.h"
#include "quaroRules.h"
#include "tempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace {

quaroRecording sampleRun() {
    quaroRecording run(1234, quaroRules::current);
    for (int i = 0; i < 40; ++i)
        run.add({i % 3 - 1, 0, false, i == 39});
    run.claim("ann", 1, 2);
    return run;
}

} // namespace

TEST(RunLink, Base64urlMatchesTheStandardAlphabetWithoutPadding) {
    const struct {
        std::string bytes;
        std::string code;
    } cases[] = {
        {"", ""},        {"f", "Zg"},        {"fo", "Zm8"},
        {"foo", "Zm9v"}, {"foob", "Zm9vYg"}, {"\xfb\xff\xbf", "-_-_"},
    };
    for (const auto& c : cases) {
        const std::vector<uint8_t> bytes(c.bytes.begin(), c.bytes.end());
        EXPECT_EQ(quaroRunLink::base64url(bytes), c.code);
        EXPECT_EQ(quaroRunLink::fromBase64url(c.code), bytes) << c.code;
    }
    for (const char* bad : {"Z", "Zm9vY", "Zm+v", "Zm9v=", "Zm 9"})
        EXPECT_FALSE(quaroRunLink::fromBase64url(bad)) << bad;
}

TEST(RunLink, AnAddressOrABareCodePlaysTheRunItCarries) {
    const quaroRecording run = sampleRun();
    const std::string code = quaroRunLink::code(run);
    for (const std::string& text :
         {code, "https://example.org/quaro/#run=" + code, "http://localhost:8000/?x=1#run=" + code,
          "https://example.org/#run=" + code + "&from=mail",
          quaroRunLink::link(run, "https://example.org/quaro/index.html")}) {
        std::string problem;
        const std::optional<quaroRecording> back = quaroRunLink::load(text, problem);
        ASSERT_TRUE(back) << text << ": " << problem;
        EXPECT_EQ(back->encode(), run.encode());
    }
    EXPECT_EQ(quaroRunLink::link(run, ""), code) << "off a page, a link is the bare code";
}

TEST(RunLink, ADamagedCodeIsRefusedWithItsReason) {
    std::string code = quaroRunLink::code(sampleRun());
    std::string flipped = code;
    flipped[10] = flipped[10] == 'A' ? 'B' : 'A';
    const struct {
        std::string text;
        const char* reason;
    } cases[] = {
        {"https://example.org/#run=", "does not hold a run"},
        {"https://example.org/#run=" + code.substr(0, code.size() / 2), "the run of the link: "},
        {flipped, "the run of the link: "},
        {"https://example.org/#run=%%%", "does not hold a run"},
    };
    for (const auto& c : cases) {
        std::string problem;
        EXPECT_FALSE(quaroRunLink::load(c.text, problem)) << c.text;
        EXPECT_NE(problem.find(c.reason), std::string::npos) << problem;
    }
}

TEST(RunLink, AnExistingFileIsAFileEvenWhenItsNameCouldBeACode) {
    TempDir dir;
    const std::string file = dir.file("Demo");
    std::ofstream(file) << "x";
    EXPECT_FALSE(quaroRunLink::namesLink(file));
    EXPECT_FALSE(quaroRunLink::namesLink(dir.file("missing.run"))); // '.' and '/' are no code
    EXPECT_TRUE(quaroRunLink::namesLink("UVJVTgIA"));
    EXPECT_TRUE(quaroRunLink::namesLink("https://example.org/#run=UVJVTgIA"));
}
