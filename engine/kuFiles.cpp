#include "kuFiles.h"

#include "kuPlatform.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <thread>

namespace fs = std::filesystem;

const char* const kuTemporarySuffix = ".new-";

namespace {

constexpr mode_t folderMode = 0700;
constexpr mode_t fileMode = 0600;
constexpr int maxLinks = 16; // links followed to the real file, as the system limits them
constexpr size_t temporaryTailLength = 6; // the characters mkstemp puts after the suffix
// Games before unique temporary names wrote "<file>.new".
const std::string oldTemporarySuffix = ".new";
const char* const lockSuffix = ".lock";
constexpr auto lockRetry = std::chrono::milliseconds(10);

std::string errorText() {
    return std::strerror(errno);
}

void createFolders(const fs::path& folder) {
    fs::path partial;
    for (const fs::path& part : folder) {
        partial /= part;
        mkdir(partial.c_str(), folderMode);
    }
}

bool writeAll(int fd, const std::vector<uint8_t>& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += size_t(n);
    }
    return true;
}

// A rename reaches the disk with its folder; a file system that cannot sync a folder has
// nothing to sync.
void syncFolder(const fs::path& folder) {
    const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    fsync(fd);
    close(fd);
}

std::string numbered(const std::string& name, int number) {
    return number == 0 ? name : name + "." + std::to_string(number);
}

bool isTemporaryOf(const std::string& name, const std::string& target) {
    if (name == target + oldTemporarySuffix)
        return true;
    const std::string prefix = target + kuTemporarySuffix;
    return name.size() == prefix.size() + temporaryTailLength &&
           name.compare(0, prefix.size(), prefix) == 0;
}

} // namespace

int kuOpenRegularFile(const std::string& file) {
    // Without O_NONBLOCK, opening a FIFO waits for a writer.
    const int fd = open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat info;
    const bool known = fstat(fd, &info) == 0;
    if (!known || !S_ISREG(info.st_mode)) {
        const int why = known ? EINVAL : errno;
        close(fd);
        errno = why;
        return -1;
    }
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

kuFileRead kuReadRegularFile(const std::string& file, size_t maxBytes) {
    kuFileRead result;
    const int fd = kuOpenRegularFile(file);
    if (fd < 0) {
        result.missing = errno == ENOENT || errno == ENOTDIR;
        result.error = errno == EINVAL ? "not a regular file" : errorText();
        return result;
    }
    // One byte more than the cap tells a longer file. The buffer starts at the file's size, so
    // that a small file never costs the cap; it grows if the file does meanwhile.
    struct stat info;
    const size_t expected = fstat(fd, &info) == 0 ? size_t(info.st_size) : 0;
    const size_t wanted = maxBytes + 1;
    result.bytes.resize(std::min(expected, maxBytes) + 1);
    size_t got = 0;
    while (got < wanted) {
        if (got == result.bytes.size())
            result.bytes.resize(std::min(2 * got, wanted));
        const ssize_t n = read(fd, result.bytes.data() + got, result.bytes.size() - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            result.error = errorText();
        if (n <= 0)
            break;
        got += size_t(n);
    }
    close(fd);
    result.longer = got > maxBytes;
    result.bytes.resize(result.longer ? maxBytes : got);
    return result;
}

bool kuReplaceFile(const std::string& file, const std::vector<uint8_t>& bytes, std::string& error,
                   bool keepPermissions) {
    const fs::path target = kuFollowLinks(file);
    const fs::path folder = target.parent_path();
    createFolders(folder);
    struct stat old;
    const bool keepMode =
        keepPermissions && stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    std::string temporary = target.string() + kuTemporarySuffix + "XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) {
        error = errorText();
        return false;
    }
    fcntl(fd, F_SETFD, FD_CLOEXEC);
    bool done = (!keepMode || fchmod(fd, old.st_mode & 07777) == 0) && writeAll(fd, bytes) &&
                fsync(fd) == 0;
    if (!done)
        error = errorText();
    if (close(fd) != 0 && done) {
        error = errorText();
        done = false;
    }
    if (done && std::rename(temporary.c_str(), target.c_str()) != 0) {
        error = errorText();
        done = false;
    }
    if (!done) {
        std::remove(temporary.c_str());
        return false;
    }
    syncFolder(folder);
    kuPlatform::savedFilesChanged();
    return true;
}

bool kuKeepAside(const std::string& file, const std::string& suffix, int kept) {
    const std::string real = kuFollowLinks(file);
    const std::string aside = real + suffix;
    for (int number = kept - 1; number > 0; --number)
        std::rename(numbered(aside, number - 1).c_str(), numbered(aside, number).c_str());
    if (kept == 1)
        std::remove(aside.c_str());
    if (link(real.c_str(), aside.c_str()) == 0)
        return true;
    // A folder, or a file system without hard links; never over a file kept before.
    struct stat existing;
    return errno != EEXIST && lstat(aside.c_str(), &existing) != 0 &&
           std::rename(real.c_str(), aside.c_str()) == 0;
}

std::string kuFollowLinks(const std::string& file) {
    fs::path path = file;
    std::error_code error;
    for (int hop = 0; hop < maxLinks && fs::is_symlink(path, error); ++hop) {
        const fs::path target = fs::read_symlink(path, error);
        if (error)
            break;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return path.string();
}

bool kuRecoverReplace(const std::string& file, size_t maxBytes,
                      const std::function<bool(const std::vector<uint8_t>&)>& whole) {
    const fs::path target = kuFollowLinks(file);
    const fs::path folder = target.parent_path();
    const std::string folderName = folder.empty() ? "." : folder.string();
    const std::string targetName = target.filename().string();
    std::vector<kuFolderEntry> leftovers;
    for (const kuFolderEntry& entry : kuListFolder(folderName, size_t(-1)))
        if (entry.regular && isTemporaryOf(entry.name, targetName))
            leftovers.push_back(entry);
    // The newest first: the last write that got as far as a whole file.
    std::sort(
        leftovers.begin(), leftovers.end(),
        [](const kuFolderEntry& a, const kuFolderEntry& b) { return a.ageSeconds < b.ageSeconds; });
    struct stat existing;
    bool replaced = false;
    bool missing = lstat(target.c_str(), &existing) != 0 && errno == ENOENT;
    for (const kuFolderEntry& leftover : leftovers) {
        const std::string path = (folder / leftover.name).string();
        if (missing) {
            const kuFileRead read = kuReadRegularFile(path, maxBytes);
            if (read.error.empty() && !read.longer && whole(read.bytes) &&
                std::rename(path.c_str(), target.c_str()) == 0) {
                missing = false;
                replaced = true;
                syncFolder(folder);
                continue;
            }
        }
        std::remove(path.c_str());
    }
    if (!leftovers.empty())
        kuPlatform::savedFilesChanged();
    return replaced;
}

kuFileLock::kuFileLock(const std::string& file, unsigned waitMs) {
    const fs::path target = kuFollowLinks(file);
    createFolders(target.parent_path());
    const std::string lockFile = target.string() + lockSuffix;
    fd = open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, fileMode);
    // Another player's lock beside a shared table may be readable only; a lock needs no more.
    if (fd < 0)
        fd = open(lockFile.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    while (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR)
            continue;
        if (errno != EWOULDBLOCK)
            return; // no locks here: nothing to wait for
        if (std::chrono::steady_clock::now() >= deadline) {
            busy = true;
            return;
        }
        std::this_thread::sleep_for(lockRetry);
    }
}

kuFileLock::~kuFileLock() {
    if (fd >= 0)
        close(fd); // releases the lock
}

std::vector<kuFolderEntry> kuListFolder(const std::string& folder, size_t maxEntries) {
    std::vector<kuFolderEntry> entries;
    DIR* listing = opendir(folder.c_str());
    if (listing == nullptr)
        return entries;
    const int folderFd = dirfd(listing);
    const time_t now = std::time(nullptr);
    while (entries.size() < maxEntries) {
        const dirent* found = readdir(listing);
        if (found == nullptr)
            break;
        const std::string name = found->d_name;
        if (name == "." || name == "..")
            continue;
        kuFolderEntry entry;
        entry.name = name;
        struct stat info;
        if (fstatat(folderFd, found->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0) {
            entry.regular = S_ISREG(info.st_mode);
            entry.folder = S_ISDIR(info.st_mode);
            entry.ageSeconds = int64_t(now) - int64_t(info.st_mtime);
        }
        entries.push_back(entry);
    }
    closedir(listing);
    return entries;
}

bool kuRemoveFile(const std::string& file) {
    return unlink(file.c_str()) == 0;
}

bool kuIsRegularFile(const std::string& file) {
    struct stat info;
    return stat(file.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}
