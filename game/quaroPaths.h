// Where the game reads its pictures and sounds and keeps its high-score table. The search is a
// pure function of what it is given (environment, folders, a test for a data folder), so every
// rule can be checked without touching the process. A found data folder held both GFX/ and SFX/
// when it was asked; when it is the current folder, every name stays relative ("GFX/...").
#pragma once

#include <cstdio>
#include <functional>
#include <optional>
#include <string>

// What the search looks at. An empty string stands for unset or unknown.
struct pathsInput {
    std::string dataDirVariable;  // $QUARO_DATA_DIR
    std::string currentFolder;    // the working folder
    std::string executableFolder; // the folder of the running executable
    // The installed data: where the build installs it, relative to the installed executable's
    // folder (so that a copied or DESTDIR install finds its own data), then the absolute
    // <prefix>/share/quaro compiled in.
    std::string installedBesideExecutable;
    std::string installedFolder;
    std::string xdgDataHome;   // $XDG_DATA_HOME
    std::string xdgConfigHome; // $XDG_CONFIG_HOME
    std::string home;          // $HOME, or the user's home from the password database
    std::function<bool(const std::string& folder)> holdsData; // GFX/ and SFX/ are both there
};

enum class dataSource { variable, currentFolder, executableFolder, installed };

struct gamePaths {
    dataSource source = dataSource::currentFolder;
    std::string dataFolder; // empty for the current folder
    // The installed data is read-only: its table lives in the user's data folder instead.
    std::string tableFile = "Save/Highscore.hs";
    std::string tableFolder = "Save"; // the table's folder; what the game saves goes there
    // The player's own gamepad mappings, read when the file is there: gamecontrollerdb.txt in
    // the user's configuration folder ($XDG_CONFIG_HOME/quaro, by default ~/.config/quaro).
    std::string padMappingFile;
    // The player's settings: quaro.ini in the same folder.
    std::string settingsFile;
    // Where the settings are kept: beside the saved games on a platform that keeps everything
    // there (the browser), otherwise settingsFile.
    std::string keptSettingsFile() const;

    // The list of rounds won with an assist, kept apart from the table in the same format,
    // with their runs: "Assisted/" in the table's folder.
    std::string assistedFolder() const { return tableFolder + "/Assisted"; }
    std::string assistedTableFile() const { return assistedFolder() + "/Highscore.hs"; }

    // The name to open for a file of the data, such as "GFX/Misc/Font.bmp".
    std::string dataFile(const std::string& relativeName) const;
};

struct pathsSearch {
    std::optional<gamePaths> found;
    std::string failure; // when nothing was found: one line naming every place looked in
    std::string note;    // when data was found elsewhere than $QUARO_DATA_DIR names: why
};

// The first of $QUARO_DATA_DIR, the current folder, the executable's folder and the installed
// data that holds GFX/ and SFX/, and the table that goes with it.
pathsSearch findGamePaths(const pathsInput& input);

// This process's environment, working folder and executable, the compiled-in installed data,
// and the real file system.
pathsInput thisProcessPathsInput();

// For --help: which data folder and which table file this run uses, and why.
void printPaths(std::FILE* out, const pathsSearch& search);
