#include "quaroPaths.h"

#include "kuPrintable.h"
#include "quaroConfig.h"
#include "quaroHighScore.h"

#include <pwd.h>
#include <unistd.h>

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

// The user's own data folder: $XDG_DATA_HOME when it is absolute, ~/.local/share otherwise,
// with an absolute $HOME or else the account's home (a relative one would put the table under
// whatever folder the game was started in).
fs::path userDataFolder(const pathsInput& input) {
    if (fs::path(input.xdgDataHome).is_absolute())
        return input.xdgDataHome;
    const bool homeUsable = fs::path(input.home).is_absolute() || input.accountHome.empty();
    return fs::path(homeUsable ? input.home : input.accountHome) / ".local/share";
}

gamePaths pathsFor(const candidate& chosen, const pathsInput& input) {
    gamePaths paths;
    paths.source = chosen.source;
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
    input.home = variable("HOME");
    const passwd* user = getpwuid(getuid());
    if (user != nullptr && user->pw_dir != nullptr)
        input.accountHome = user->pw_dir;
    std::error_code error;
    const fs::path current = fs::current_path(error);
    input.currentFolder = error ? "." : current.string();
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    if (!error)
        input.executableFolder = executable.parent_path().string();
    input.installedBesideExecutable = quaroInstalledDataFromBin;
    input.installedFolder = quaroInstalledDataDir;
    input.holdsData = [](const std::string& folder) {
        std::error_code ignored;
        return fs::is_directory(fs::path(folder) / "GFX", ignored) &&
               fs::is_directory(fs::path(folder) / "SFX", ignored);
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
