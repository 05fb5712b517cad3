#include "kuPrintable.h"

#include <gtest/gtest.h>

TEST(KuPrintableTest, EscapesWhatCouldDriveATerminalAndKeepsTheRest) {
    const struct {
        std::string text, printed;
    } cases[] = {
        {"Save/Replays/0123-ab.run", "Save/Replays/0123-ab.run"},
        {"\x1b[2J\x07 a\nb\x7f", "\\x1b[2J\\x07 a\\x0ab\\x7f"},
        {"J\xc3\xbcrgen \xe2\x82\xac \xf0\x9f\x8e\xae",
         "J\xc3\xbcrgen \xe2\x82\xac \xf0\x9f\x8e\xae"},
        {"\x9b|\xc2\x9b|", "\\x9b|\\xc2\\x9b|"},        // CSI in eight bits and in UTF-8
        {"\xe2\x82|\xc0\xaf", "\\xe2\\x82|\\xc0\\xaf"}, // a cut sequence, an overlong slash
    };
    for (const auto& c : cases)
        EXPECT_EQ(kuPrintable(c.text), c.printed);
}
