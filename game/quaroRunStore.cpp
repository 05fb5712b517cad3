#include "quaroRunStore.h"

#include "quaroHighScore.h"
#include "quaroRecording.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>

namespace fs = std::filesystem;

const char* const quaroRunStore::folderName = "Replays";
const char* const quaroRunStore::fileExtension = ".run";

namespace {

// What a save writes before its rename: "<run>.new-XXXXXX", or "<run>.new" from older games.
const std::string temporaryExtension = ".new";

bool endsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

bool claims(const quaroRecording& run, const quaroHighScore& table, int row) {
    return run.name() == table.getSlotName(row) && run.minutes() == table.getSlotMinutes(row) &&
           run.seconds() == table.getSlotSeconds(row);
}

} // namespace

quaroRunStore::quaroRunStore(const std::string& tableFolder)
    : runFolder((fs::path(tableFolder) / folderName).string()) {}

std::vector<std::string> quaroRunStore::runFiles() const {
    std::vector<std::string> files;
    std::error_code error;
    for (fs::directory_iterator entry(runFolder, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string name = entry->path().string();
        if (endsWith(name, fileExtension) && entry->is_regular_file(error))
            files.push_back(name);
    }
    std::sort(files.begin(), files.end());
    return files;
}

bool quaroRunStore::empty() const {
    return runFiles().empty();
}

std::vector<std::string> quaroRunStore::runsOf(const quaroHighScore& table) const {
    struct loaded {
        std::string file;
        quaroRecording run;
        bool given;
    };
    std::vector<loaded> runs;
    for (const std::string& file : runFiles()) {
        std::string problem;
        if (std::optional<quaroRecording> run = quaroRecording::load(file, problem))
            runs.push_back({file, std::move(*run), false});
        else
            std::printf("Ignoring the run %s\n", problem.c_str());
    }
    std::vector<std::string> rowRuns(quaroHighScore::rowCount);
    for (int row = 0; row < quaroHighScore::rowCount; ++row) {
        for (loaded& candidate : runs) {
            if (candidate.given || !claims(candidate.run, table, row))
                continue;
            candidate.given = true;
            rowRuns[size_t(row)] = candidate.file;
            break;
        }
    }
    return rowRuns;
}

std::string quaroRunStore::keep(const quaroRecording& run) const {
    const std::vector<uint8_t> bytes = run.encode();
    constexpr size_t checksumBytes = 4;
    // The checksum of the contents names the file: a new run never overwrites another row's.
    char name[32];
    std::snprintf(name, sizeof name, "%02d%02d-%08x", run.minutes(), run.seconds(),
                  bytes.size() < checksumBytes
                      ? 0u
                      : unsigned(crc32Of(bytes.data(), bytes.size() - checksumBytes)));
    const std::string file = (fs::path(runFolder) / (name + std::string(fileExtension))).string();
    if (bytes.empty() || !run.save(file)) {
        std::printf("Error saving the run %s\n", file.c_str());
        return "";
    }
    return file;
}

void quaroRunStore::prune(const quaroHighScore& table) const {
    std::vector<std::string> claimed = runsOf(table);
    std::sort(claimed.begin(), claimed.end());
    std::vector<fs::path> unclaimed;
    std::error_code error;
    for (fs::directory_iterator entry(runFolder, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string name = entry->path().string();
        const bool ours = endsWith(name, fileExtension) ||
                          name.find(fileExtension + temporaryExtension) != std::string::npos;
        std::error_code kindUnknown;
        if (ours && !entry->is_directory(kindUnknown) &&
            !std::binary_search(claimed.begin(), claimed.end(), name))
            unclaimed.push_back(entry->path());
    }
    for (const fs::path& file : unclaimed)
        fs::remove(file, error);
}
