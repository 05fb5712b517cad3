#include "kuPrintable.h"

#include <gtest/gtest.h>

TEST(KuPrintableTest, EscapesWhatCouldDriveATerminalAndKeepsTheRest) {
    const struct {
        const char* what;
        std::string text;
        std::string printed;
    } cases[] = {
        {"plain text", "Save/Replays/0123-ab.run", "Save/Replays/0123-ab.run"},
        {"clear screen and bell", "\x1b[2J\x07", "\\x1b[2J\\x07"},
        {"line ends and tabs", "a\nb\rc\td", "a\\x0ab\\x0dc\\x09d"},
        {"delete", "a\x7f", "a\\x7f"},
        {"a zero byte", std::string("a\0b", 3), "a\\x00b"},
        {"letters beyond ASCII", "J\xc3\xbcrgen \xe2\x82\xac \xf0\x9f\x8e\xae",
         "J\xc3\xbcrgen \xe2\x82\xac \xf0\x9f\x8e\xae"},
        {"an eight-bit CSI",
         "\x9b"
         "2J",
         "\\x9b2J"},
        {"CSI written in UTF-8",
         "\xc2\x9b"
         "2J",
         "\\xc2\\x9b2J"},
        {"a cut sequence", "\xe2\x82", "\\xe2\\x82"},
        {"an overlong slash", "\xc0\xaf", "\\xc0\\xaf"},
        {"a surrogate", "\xed\xa0\x80", "\\xed\\xa0\\x80"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(kuPrintable(c.text), c.printed) << c.what;
}
