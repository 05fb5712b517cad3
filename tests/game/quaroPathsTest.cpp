// The search for the data folder and the table's file, on made-up folders: which candidate
// wins, where its table goes, and what is said when none holds the data.
#include "quaroPaths.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

const char* const font = "GFX/Misc/Font.bmp";

// A player's machine: the game installed under /opt/quaro, started from /play.
pathsInput machineWith(std::set<std::string> dataFolders, std::string variable = "",
                       std::string xdgDataHome = "") {
    pathsInput input;
    input.dataDirVariable = std::move(variable);
    input.currentFolder = "/play";
    input.executableFolder = "/opt/quaro/bin";
    input.installedBesideExecutable = "../share/quaro";
    input.installedFolder = "/usr/share/quaro";
    input.xdgDataHome = std::move(xdgDataHome);
    input.home = "/home/ann";
    input.holdsData = [dataFolders](const std::string& folder) {
        return dataFolders.count(folder) > 0;
    };
    return input;
}

struct searchCase {
    const char* what;
    pathsInput input;
    dataSource source;
    std::string fontFile;
    std::string tableFile;
    std::string tableFolder;
};

const std::string userTable = "/home/ann/.local/share/quaro/Save";

TEST(PathsSearch, EachRuleAndItsPrecedence) {
    const std::vector<searchCase> cases = {
        {"the current folder keeps relative names", machineWith({"/play"}),
         dataSource::currentFolder, font, "Save/Highscore.hs", "Save"},
        {"the variable comes first", machineWith({"/data", "/play"}, "/data"), dataSource::variable,
         "/data/GFX/Misc/Font.bmp", "/data/Save/Highscore.hs", "/data/Save"},
        {"a relative variable stays relative", machineWith({"data", "/play"}, "data"),
         dataSource::variable, "data/GFX/Misc/Font.bmp", "data/Save/Highscore.hs", "data/Save"},
        {"a variable without data is passed over", machineWith({"/play"}, "/empty"),
         dataSource::currentFolder, font, "Save/Highscore.hs", "Save"},
        {"the current folder before the executable's",
         machineWith({"/play", "/opt/quaro/bin", "/usr/share/quaro"}), dataSource::currentFolder,
         font, "Save/Highscore.hs", "Save"},
        {"the executable's folder, a portable copy",
         machineWith({"/opt/quaro/bin", "/opt/quaro/share/quaro"}), dataSource::executableFolder,
         "/opt/quaro/bin/GFX/Misc/Font.bmp", "/opt/quaro/bin/Save/Highscore.hs",
         "/opt/quaro/bin/Save"},
        {"the data installed beside the executable",
         machineWith({"/opt/quaro/share/quaro", "/usr/share/quaro"}), dataSource::installed,
         "/opt/quaro/share/quaro/GFX/Misc/Font.bmp", userTable + "/Highscore.hs", userTable},
        {"the compiled-in installed data", machineWith({"/usr/share/quaro"}), dataSource::installed,
         "/usr/share/quaro/GFX/Misc/Font.bmp", userTable + "/Highscore.hs", userTable},
        {"an absolute XDG_DATA_HOME", machineWith({"/usr/share/quaro"}, "", "/xdg"),
         dataSource::installed, "/usr/share/quaro/GFX/Misc/Font.bmp",
         "/xdg/quaro/Save/Highscore.hs", "/xdg/quaro/Save"},
        {"a relative XDG_DATA_HOME is ignored", machineWith({"/usr/share/quaro"}, "", "xdg"),
         dataSource::installed, "/usr/share/quaro/GFX/Misc/Font.bmp", userTable + "/Highscore.hs",
         userTable},
    };
    for (const searchCase& c : cases) {
        SCOPED_TRACE(c.what);
        const pathsSearch search = findGamePaths(c.input);
        ASSERT_TRUE(search.found);
        EXPECT_EQ(search.found->source, c.source);
        EXPECT_EQ(search.found->dataFile(font), c.fontFile);
        EXPECT_EQ(search.found->tableFile, c.tableFile);
        EXPECT_EQ(search.found->tableFolder, c.tableFolder);
    }
}

// A variable that names a folder without the data is passed over, and said to be, once.
TEST(PathsSearch, AVariableWithoutDataIsNotedAndOnlyIt) {
    const struct {
        pathsInput input;
        std::string note;
    } cases[] = {
        {machineWith({"/play"}, "/empty\x1b[2J"),
         "quaro: ignoring QUARO_DATA_DIR (/empty\\x1b[2J): it holds no GFX/ and SFX/ folders"},
        {machineWith({"/play", "/data"}, "/data"), ""},
        {machineWith({"/play"}), ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(findGamePaths(c.input).note, c.note);
}

TEST(PathsSearch, WithoutDataEveryPlaceLookedInIsNamedInOrder) {
    const pathsSearch search = findGamePaths(machineWith({}, "/data"));
    EXPECT_FALSE(search.found);
    EXPECT_EQ(search.failure,
              "Couldn't find the game's pictures and sounds (GFX/ and SFX/); looked in: "
              "/data ($QUARO_DATA_DIR), /play (the current folder), "
              "/opt/quaro/bin (the executable's folder), "
              "/opt/quaro/share/quaro (the installed data), "
              "/usr/share/quaro (the installed data). "
              "Set QUARO_DATA_DIR to the folder that holds them.");
}

TEST(PathsSearch, AFolderReachedTwiceIsLookedInOnce) {
    pathsInput input = machineWith({});
    input.currentFolder = "/usr/bin/";
    input.executableFolder = "/usr/bin";
    std::vector<std::string> asked;
    input.holdsData = [&asked](const std::string& folder) {
        asked.push_back(folder);
        return false;
    };
    findGamePaths(input);
    EXPECT_EQ(asked, (std::vector<std::string>{"/usr/bin/", "/usr/share/quaro"}));
}

} // namespace
