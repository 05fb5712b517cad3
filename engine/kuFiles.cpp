#include "kuFiles.h"

#include "kuPlatform.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace fs = std::filesystem;

const char* const kuTemporarySuffix = ".new-";

namespace {

constexpr mode_t folderMode = 0700;
constexpr int maxLinks = 16; // links followed to the real file, as the system limits them

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
    // One byte more than the cap tells a longer file.
    result.bytes.resize(maxBytes + 1);
    size_t got = 0;
    while (got < result.bytes.size()) {
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
