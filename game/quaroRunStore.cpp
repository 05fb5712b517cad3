#include "quaroRunStore.h"

#include "kuCloseSignals.h"
#include "kuFiles.h"
#include "kuPrintable.h"
#include "quaroHighScore.h"
#include "quaroRecording.h"

#include <algorithm>
#include <cstdio>
#include <optional>

const char* const quaroRunStore::folderName = "Replays";
const char* const quaroRunStore::fileExtension = ".run";

namespace {

// What a save writes before its rename: "<run>.new-XXXXXX", or "<run>.new" from older games.
const std::string temporaryExtension = ".new";

bool endsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

bool claims(const quaroRecording::header& run, const quaroHighScore& table, int row) {
    return run.name == table.getSlotName(row) && run.minutes == table.getSlotMinutes(row) &&
           run.seconds == table.getSlotSeconds(row);
}

// "MMSS-": how the game begins the name of a run of that time.
std::string timePrefix(int minutes, int seconds) {
    char prefix[16];
    std::snprintf(prefix, sizeof prefix, "%02d%02d-", minutes, seconds);
    return prefix;
}

} // namespace

quaroRunStore::quaroRunStore(const std::string& tableFolder)
    : runFolder(tableFolder + "/" + folderName) {}

std::vector<std::string> quaroRunStore::runsOf(const quaroHighScore& table) const {
    return runsOf(table, kuListFolder(runFolder, maxEntriesListed));
}

std::vector<std::string> quaroRunStore::runFiles() const {
    std::vector<std::string> files;
    for (const kuFolderEntry& entry : kuListFolder(runFolder, maxEntriesListed))
        if (entry.regular && endsWith(entry.name, fileExtension))
            files.push_back(runFolder + "/" + entry.name);
    std::sort(files.begin(), files.end());
    return files;
}

std::vector<std::string> quaroRunStore::runsOf(const quaroHighScore& table,
                                               const std::vector<kuFolderEntry>& entries) const {
    std::vector<std::string> rowTimes;
    for (int row = 0; row < quaroHighScore::rowCount; ++row)
        rowTimes.push_back(timePrefix(table.getSlotMinutes(row), table.getSlotSeconds(row)));
    const auto namedForARow = [&rowTimes](const std::string& name) {
        return std::any_of(rowTimes.begin(), rowTimes.end(),
                           [&name](const std::string& time) { return name.rfind(time, 0) == 0; });
    };
    // The files named for a row first, each group by name, so the matching is the same each
    // time; then at most maxRunsLookedAt of them.
    std::vector<std::pair<bool, std::string>> files;
    for (const kuFolderEntry& entry : entries)
        if (entry.regular && endsWith(entry.name, fileExtension))
            files.push_back({!namedForARow(entry.name), entry.name});
    std::sort(files.begin(), files.end());
    files.resize(std::min(files.size(), maxRunsLookedAt));

    struct candidate {
        std::string file;
        quaroRecording::header run;
        bool given;
    };
    std::vector<candidate> runs;
    for (const auto& named : files) {
        const std::string file = runFolder + "/" + named.second;
        std::string problem;
        if (std::optional<quaroRecording::header> run = quaroRecording::loadHeader(file, problem))
            runs.push_back({file, std::move(*run), false});
        else
            std::printf("Ignoring the run %s\n", problem.c_str());
    }
    std::vector<std::string> rowRuns(quaroHighScore::rowCount);
    for (int row = 0; row < quaroHighScore::rowCount; ++row) {
        for (candidate& c : runs) {
            if (c.given || !claims(c.run, table, row))
                continue;
            c.given = true;
            rowRuns[size_t(row)] = c.file;
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
    std::snprintf(name, sizeof name, "%s%08x", timePrefix(run.minutes(), run.seconds()).c_str(),
                  bytes.size() < checksumBytes
                      ? 0u
                      : unsigned(crc32Of(bytes.data(), bytes.size() - checksumBytes)));
    const std::string file = runFolder + "/" + name + fileExtension;
    if (bytes.empty() || !run.save(file)) {
        std::printf("Error saving the run %s\n", kuPrintable(file).c_str());
        return "";
    }
    return file;
}

void quaroRunStore::prune(const quaroHighScore& table, int64_t keptSeconds) const {
    const std::vector<kuFolderEntry> entries = kuListFolder(runFolder, maxEntriesListed);
    std::vector<std::string> claimed = runsOf(table, entries);
    std::sort(claimed.begin(), claimed.end());
    for (const kuFolderEntry& entry : entries) {
        const std::string file = runFolder + "/" + entry.name;
        const bool ours = endsWith(entry.name, fileExtension) ||
                          entry.name.find(fileExtension + temporaryExtension) != std::string::npos;
        if (ours && !entry.folder && entry.ageSeconds >= keptSeconds &&
            !std::binary_search(claimed.begin(), claimed.end(), file))
            kuRemoveFile(file);
    }
}

bool quaroRunStore::saveRecord(quaroHighScore& table, const quaroRecording* run) const {
    const kuFileLock lock(table.file());
    const kuSaveUnderWay saving;
    if (run != nullptr && !lock.heldElsewhere())
        keep(*run);
    const bool saved = table.saveLocked(lock);
    if (saved)
        prune(table);
    return saved;
}
