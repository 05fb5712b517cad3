#include "quaroSaveArchive.h"

#include "kuCloseSignals.h"
#include "kuFiles.h"
#include "kuPrintable.h"
#include "quaroHighScore.h"
#include "quaroRecording.h"
#include "quaroRunStore.h"
#include "quaroSettings.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <set>

namespace fs = std::filesystem;

const char* const quaroSaveArchive::suggestedName = "quaro-saves.qsav";

namespace {

constexpr char magic[4] = {'Q', 'S', 'A', 'V'};
constexpr size_t headerBytes = 8;
constexpr size_t crcBytes = 4;
constexpr size_t tableBytes = 260;

void put16(std::vector<uint8_t>& out, uint32_t value) {
    out.push_back(uint8_t(value));
    out.push_back(uint8_t(value >> 8));
}

void put32(std::vector<uint8_t>& out, uint32_t value) {
    put16(out, value & 0xffff);
    put16(out, value >> 16);
}

uint32_t get16(const uint8_t* at) {
    return uint32_t(at[0]) | uint32_t(at[1]) << 8;
}

uint32_t get32(const uint8_t* at) {
    return get16(at) | get16(at + 2) << 16;
}

std::string tableName() {
    return fs::path(quaroHighScore::fileName).filename().string();
}

// The assisted list and its runs keep the table's names under this folder.
const std::string assistedPrefix = "Assisted/";
const std::string settingsEntry = "quaro.ini";

std::string runPrefix() {
    return std::string(quaroRunStore::folderName) + "/";
}

bool startsWith(const std::string& text, const std::string& start) {
    return text.compare(0, start.size(), start) == 0;
}

bool safeRunName(const std::string& name) {
    const std::string prefix = runPrefix();
    const std::string extension = quaroRunStore::fileExtension;
    if (name.size() <= prefix.size() + extension.size() || name.compare(0, prefix.size(), prefix) ||
        name.compare(name.size() - extension.size(), extension.size(), extension) ||
        name.find("..") != std::string::npos)
        return false;
    for (size_t i = prefix.size(); i < name.size(); ++i) {
        const char c = name[i];
        const bool allowed = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                             (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.';
        if (!allowed)
            return false;
    }
    return true;
}

std::string settingsProblem(const savedFile& file) {
    if (file.bytes.size() > settingsFile::maxFileBytes)
        return "the settings are too long";
    const settingsRead read = parseSettings(std::string(file.bytes.begin(), file.bytes.end()));
    return read.problems.empty() ? "" : "the settings are damaged: " + read.problems.front();
}

bool tableOrRun(const std::string& name) {
    return name == tableName() || safeRunName(name);
}

// Why the game could not read the file of an archive of the format version, or empty when it
// can.
std::string fileProblem(const savedFile& file, uint32_t format) {
    const bool sinceVersion2 = format >= 2;
    if (sinceVersion2 && file.name == settingsEntry)
        return settingsProblem(file);
    const bool assisted = sinceVersion2 && startsWith(file.name, assistedPrefix) &&
                          tableOrRun(file.name.substr(assistedPrefix.size()));
    const std::string name = assisted ? file.name.substr(assistedPrefix.size()) : file.name;
    if (name == tableName())
        return file.bytes.size() == tableBytes
                   ? ""
                   : "the table is not " + std::to_string(tableBytes) + " bytes long";
    if (!safeRunName(name))
        return "it holds a file the game does not keep ('" + kuPrintable(file.name) + "')";
    std::string problem;
    if (!quaroRecording::decode(file.bytes.data(), file.bytes.size(), problem))
        return file.name + " is damaged: " + problem;
    return "";
}

} // namespace

namespace quaroSaveArchive {

std::vector<uint8_t> encode(const std::vector<savedFile>& files) {
    std::vector<uint8_t> out(magic, magic + sizeof magic);
    put16(out, version);
    put16(out, uint32_t(files.size()));
    for (const savedFile& file : files) {
        out.push_back(uint8_t(file.name.size()));
        out.insert(out.end(), file.name.begin(), file.name.end());
        put32(out, uint32_t(file.bytes.size()));
        out.insert(out.end(), file.bytes.begin(), file.bytes.end());
    }
    put32(out, crc32Of(out.data(), out.size()));
    return out;
}

std::optional<std::vector<savedFile>> decode(const uint8_t* bytes, size_t size,
                                             std::string& problem) {
    if (size < headerBytes + crcBytes || std::memcmp(bytes, magic, sizeof magic) != 0) {
        problem = "it is not a file of saved games";
        return std::nullopt;
    }
    const uint32_t format = get16(bytes + 4);
    if (format < oldestVersion || format > version) {
        problem =
            "it was written by another version of the game (format " + std::to_string(format) + ")";
        return std::nullopt;
    }
    if (crc32Of(bytes, size - crcBytes) != get32(bytes + size - crcBytes)) {
        problem = "it is damaged (its checksum does not match)";
        return std::nullopt;
    }
    const size_t count = get16(bytes + 6);
    if (count == 0 || count > maxFiles) {
        problem = "it holds " + std::to_string(count) + " files";
        return std::nullopt;
    }
    std::vector<savedFile> files;
    std::set<std::string> names;
    const size_t end = size - crcBytes;
    size_t at = headerBytes;
    for (size_t i = 0; i < count; ++i) {
        const size_t nameBytes = at < end ? bytes[at] : 0;
        if (nameBytes == 0 || nameBytes > maxNameBytes || end - at < 1 + nameBytes + 4) {
            problem = "it is cut short or damaged";
            return std::nullopt;
        }
        savedFile file;
        file.name.assign(reinterpret_cast<const char*>(bytes + at + 1), nameBytes);
        at += 1 + nameBytes;
        const uint32_t fileBytes = get32(bytes + at);
        at += 4;
        if (fileBytes > maxFileBytes || end - at < fileBytes) {
            problem = "it is cut short or damaged";
            return std::nullopt;
        }
        file.bytes.assign(bytes + at, bytes + at + fileBytes);
        at += fileBytes;
        problem = fileProblem(file, format);
        if (problem.empty() && !names.insert(file.name).second)
            problem = "it holds " + file.name + " twice";
        if (!problem.empty())
            return std::nullopt;
        files.push_back(std::move(file));
    }
    if (at != end) {
        problem = "it holds more than its files";
        return std::nullopt;
    }
    return files;
}

std::vector<savedFile> collect(const std::string& tableFolder, const std::string& settingsPath) {
    std::vector<savedFile> files;
    const auto take = [&files](const std::string& path, const std::string& name) {
        kuFileRead read = kuReadRegularFile(path, maxFileBytes);
        savedFile file{name, std::move(read.bytes)};
        if (read.missing)
            return;
        if (!read.error.empty() || read.longer)
            std::printf("%s is left out of the saved games: it cannot be read whole\n",
                        kuPrintable(path).c_str());
        else if (const std::string problem = fileProblem(file, version); !problem.empty())
            std::printf("%s is left out of the saved games: %s\n", kuPrintable(path).c_str(),
                        problem.c_str());
        else
            files.push_back(std::move(file));
    };
    for (const std::string& prefix : {std::string(), assistedPrefix}) {
        const fs::path folder = fs::path(tableFolder) / prefix;
        take((folder / tableName()).string(), prefix + tableName());
        for (const std::string& run : quaroRunStore(folder.string()).runFiles())
            take(run, prefix + runPrefix() + fs::path(run).filename().string());
    }
    if (settingsPath.empty())
        return files;
    const kuFileRead read = kuReadRegularFile(settingsPath, settingsFile::maxFileBytes);
    if (read.missing)
        return files;
    if (!read.error.empty() || read.longer) {
        std::printf("%s is left out of the saved games: it cannot be read whole\n",
                    kuPrintable(settingsPath).c_str());
        return files;
    }
    savedFile settings{settingsEntry, read.bytes};
    const settingsRead kept = parseSettings(std::string(read.bytes.begin(), read.bytes.end()));
    if (!kept.problems.empty()) {
        std::printf("%s goes into the saved games as the game applies it: %s\n",
                    kuPrintable(settingsPath).c_str(), kept.problems.front().c_str());
        const std::string text = formatSettings(kept.settings);
        settings.bytes.assign(text.begin(), text.end());
    }
    files.push_back(std::move(settings));
    return files;
}

bool restore(const std::string& tableFolder, const std::string& settingsPath,
             const std::vector<savedFile>& files, std::string& problem) {
    // A copy of the game saving a record meanwhile waits, and a close waits for the restore.
    const std::string tableFile = (fs::path(tableFolder) / tableName()).string();
    const kuFileLock lock(tableFile);
    if (lock.heldElsewhere()) {
        problem = "another copy of the game kept the table locked";
        return false;
    }
    const kuSaveUnderWay restoring;
    // The runs first: a table whose rows claim runs not yet written would show them missing.
    const auto isTable = [](const savedFile& file) {
        return file.name == tableName() || file.name == assistedPrefix + tableName();
    };
    std::vector<const savedFile*> order;
    for (const savedFile& file : files)
        if (!isTable(file))
            order.push_back(&file);
    for (const savedFile& file : files)
        if (isTable(file))
            order.push_back(&file);
    for (const savedFile* file : order) {
        const std::string path = file->name == settingsEntry
                                     ? settingsPath
                                     : (fs::path(tableFolder) / file->name).string();
        std::string error;
        if (!path.empty() && !kuReplaceFile(path, file->bytes, error)) {
            problem = "could not write " + kuPrintable(path) + ": " + error;
            return false;
        }
    }
    // The restored tables replace those there: every run they do not claim goes, however new.
    for (const std::string& prefix : {std::string(), assistedPrefix}) {
        const fs::path folder = fs::path(tableFolder) / prefix;
        const quaroHighScore table((folder / tableName()).string());
        quaroRunStore(folder.string()).prune(table, 0);
    }
    return true;
}

std::optional<std::vector<savedFile>> read(const std::string& file, std::string& problem) {
    const size_t largest =
        headerBytes + crcBytes + maxFiles * (1 + maxNameBytes + 4 + maxFileBytes);
    const kuFileRead bytes = kuReadRegularFile(file, largest);
    if (bytes.missing || !bytes.error.empty() || bytes.longer) {
        problem = bytes.missing ? "there is no such file"
                                : (bytes.longer ? "it is far too long" : bytes.error);
        return std::nullopt;
    }
    return decode(bytes.bytes.data(), bytes.bytes.size(), problem);
}

bool exportTo(const std::string& tableFolder, const std::string& settingsPath,
              const std::string& file, std::string& problem) {
    const std::vector<savedFile> files = collect(tableFolder, settingsPath);
    if (files.empty()) {
        problem = "there are no saved games yet";
        return false;
    }
    return kuReplaceFile(file, encode(files), problem, false);
}

bool importFrom(const std::string& tableFolder, const std::string& settingsPath,
                const std::string& file, std::string& problem) {
    const std::optional<std::vector<savedFile>> files = read(file, problem);
    return files && restore(tableFolder, settingsPath, *files, problem);
}

} // namespace quaroSaveArchive
