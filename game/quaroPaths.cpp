#include "quaroPaths.h"

#include "kuPlatform.h"
#include "kuPrintable.h"
#include "kuSystem.h"
#include "quaroConfig.h"
#include "quaroHighScore.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct candidate {
    std::string folder;
    dataSource source;
};

const char* why(dataSource source) {
    switch (source) {
    case dataSource::variable:
        return "$QUARO_DATA_DIR";
    case dataSource::currentFolder:
        return "the current folder";
    case dataSource::executableFolder:
        return "the executable's folder";
    case dataSource::installed:
        return "the installed data";
    }
    return "";
}

bool sameFolder(const std::string& a, const std::string& b) {
    // "/usr/bin/" and "/usr/bin/../bin" name "/usr/bin" too.
    auto normal = [](const std::string& folder) {
        const fs::path path = fs::path(folder).lexically_normal();
        return path.has_filename() ? path : path.parent_path();
    };
    return normal(a) == normal(b);
}

// The candidates in the order they are tried; a folder named twice is tried once.
std::vector<candidate> candidatesOf(const pathsInput& input) {
    std::vector<candidate> all;
    if (!input.dataDirVariable.empty())
        all.push_back({input.dataDirVariable, dataSource::variable});
    all.push_back({input.currentFolder, dataSource::currentFolder});
    if (!input.executableFolder.empty()) {
        all.push_back({input.executableFolder, dataSource::executableFolder});
        if (!input.installedBesideExecutable.empty())
            all.push_back({(fs::path(input.executableFolder) / input.installedBesideExecutable)
                               .lexically_normal()
                               .string(),
                           dataSource::installed});
    }
    if (!input.installedFolder.empty())
        all.push_back({input.installedFolder, dataSource::installed});

    std::vector<candidate> distinct;
    for (const candidate& c : all) {
        const bool seen = std::any_of(distinct.begin(), distinct.end(), [&](const candidate& d) {
            return sameFolder(d.folder, c.folder);
        });
        if (!seen)
            distinct.push_back(c);
    }
    return distinct;
}

// The user's own data folder: $XDG_DATA_HOME when it is absolute, ~/.local/share otherwise.
fs::path userDataFolder(const pathsInput& input) {
    if (fs::path(input.xdgDataHome).is_absolute())
        return input.xdgDataHome;
    return fs::path(input.home) / ".local/share";
}

// The user's own configuration folder: $XDG_CONFIG_HOME when it is absolute, ~/.config
// otherwise.
fs::path userConfigFolder(const pathsInput& input) {
    if (fs::path(input.xdgConfigHome).is_absolute())
        return input.xdgConfigHome;
    return fs::path(input.home) / ".config";
}

gamePaths pathsFor(const candidate& chosen, const pathsInput& input) {
    gamePaths paths;
    paths.source = chosen.source;
    const fs::path configFolder = userConfigFolder(input) / "quaro";
    paths.padMappingFile = (configFolder / "gamecontrollerdb.txt").string();
    paths.settingsFile = (configFolder / "quaro.ini").string();
    if (chosen.source == dataSource::currentFolder)
        return paths; // the relative defaults
    paths.dataFolder = chosen.folder;
    const fs::path saveFolder = chosen.source == dataSource::installed
                                    ? userDataFolder(input) / "quaro" / quaroHighScore::folderName
                                    : fs::path(chosen.folder) / quaroHighScore::folderName;
    paths.tableFolder = saveFolder.string();
    paths.tableFile = (saveFolder / fs::path(quaroHighScore::fileName).filename()).string();
    return paths;
}

} // namespace

std::string gamePaths::dataFile(const std::string& relativeName) const {
    if (dataFolder.empty())
        return relativeName;
    return (fs::path(dataFolder) / relativeName).string();
}

std::string gamePaths::keptSettingsFile() const {
    if (!kuPlatform::settingsKeptWithSaves())
        return settingsFile;
    return (fs::path(tableFolder) / fs::path(settingsFile).filename()).string();
}

pathsSearch findGamePaths(const pathsInput& input) {
    pathsSearch search;
    const std::vector<candidate> candidates = candidatesOf(input);
    for (const candidate& c : candidates) {
        if (input.holdsData(c.folder)) {
            search.found = pathsFor(c, input);
            return search;
        }
        if (c.source == dataSource::variable)
            search.note = "quaro: ignoring QUARO_DATA_DIR (" + kuPrintable(c.folder) +
                          "): it holds no GFX/ and SFX/ folders";
    }
    search.failure = "Couldn't find the game's pictures and sounds (GFX/ and SFX/); looked in";
    const char* separator = ": ";
    for (const candidate& c : candidates) {
        search.failure += separator + kuPrintable(c.folder) + " (" + why(c.source) + ")";
        separator = ", ";
    }
    search.failure += ". Set QUARO_DATA_DIR to the folder that holds them.";
    return search;
}

pathsInput thisProcessPathsInput() {
    pathsInput input;
    auto variable = [](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value != nullptr ? value : "");
    };
    input.dataDirVariable = variable("QUARO_DATA_DIR");
    input.xdgDataHome = variable("XDG_DATA_HOME");
    input.xdgConfigHome = variable("XDG_CONFIG_HOME");
    input.home = kuSystem::homeFolder();
    input.currentFolder = kuSystem::currentFolder();
    input.executableFolder = kuSystem::executableFolder();
    input.installedBesideExecutable = quaroInstalledDataFromBin;
    input.installedFolder = quaroInstalledDataDir;
    input.holdsData = [](const std::string& folder) {
        return kuSystem::isFolder((fs::path(folder) / "GFX").string()) &&
               kuSystem::isFolder((fs::path(folder) / "SFX").string());
    };
    return input;
}

void printPaths(std::FILE* out, const pathsSearch& search) {
    if (!search.found) {
        std::fprintf(out, "%s\n", search.failure.c_str());
        return;
    }
    const gamePaths& paths = *search.found;
    const std::string tableFile = kuPrintable(paths.tableFile);
    if (paths.source == dataSource::currentFolder) {
        std::fprintf(out, "Pictures and sounds: the current folder\nHigh scores: %s there\n",
                     tableFile.c_str());
        return;
    }
    std::fprintf(out, "Pictures and sounds: %s (%s)\n", kuPrintable(paths.dataFolder).c_str(),
                 why(paths.source));
    std::fprintf(out, "High scores: %s (%s)\n", tableFile.c_str(),
                 paths.source == dataSource::installed ? "the installed data is read-only"
                                                       : "beside the data");
}
