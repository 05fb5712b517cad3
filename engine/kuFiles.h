// The one way the game reads and writes its own files. Reading opens only regular files and
// never blocks: a folder, a FIFO or a device is refused by name before anything reads from it.
// Replacing writes a temporary file of a unique name beside the target, syncs it, renames it
// over the target, syncs the folder and hands the change to the platform's save sync, so the
// target is always a whole file, old or new, and two writers never share a temporary file.
// Copies of the game that change one file take its lock around reading and writing it. The
// folders a game keeps its files in are listed and cleaned here too.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct kuFileRead {
    bool missing = false;       // there is no such file (or no folder on its way)
    std::string error;          // why the file could not be read whole; empty when it was
    std::vector<uint8_t> bytes; // what was read: at most the cap
    bool longer = false;        // the file holds more bytes than the cap
};

// Reads the regular file, up to maxBytes of it.
kuFileRead kuReadRegularFile(const std::string& file, size_t maxBytes);

// Opens the regular file for reading without ever waiting; a descriptor in blocking mode, or
// -1 with errno set (EINVAL for what is not a regular file).
int kuOpenRegularFile(const std::string& file);

// The temporary files of a replace carry this after the target's name, then six characters.
extern const char* const kuTemporarySuffix;

// Replaces the file with the bytes: through symbolic links to their target, creating missing
// folders with mode 0700. The new file keeps the old one's permission bits when asked to;
// otherwise (and when there was none) it is readable and writable by its owner alone, like
// its folders. True when the new file is in place; otherwise the old one stays as it was, no
// temporary file is left, and error says why.
bool kuReplaceFile(const std::string& file, const std::vector<uint8_t>& bytes, std::string& error,
                   bool keepPermissions = true);

// Keeps what the file holds now under "<file><suffix>" as well, without a moment in which the
// file is missing (a hard link; where none can be made, it is renamed aside). The last `kept`
// such files stay, the newest under the plain suffix and the older ones numbered ".1", ".2".
// The file is looked for through symbolic links. False when nothing could be kept.
bool kuKeepAside(const std::string& file, const std::string& suffix, int kept);

// The file a chain of symbolic links ends at, which may not exist yet.
std::string kuFollowLinks(const std::string& file);

// After a replace of the file was cut short (a kill, a crash, a power cut): removes the
// temporary files it left beside the file, and when the file itself is missing, first puts
// the newest temporary file that `whole` accepts (given at most maxBytes of it) in its place.
// Hold the file's lock meanwhile, so that no other writer's temporary file is taken for a
// leftover. True when a temporary file took the file's place.
bool kuRecoverReplace(const std::string& file, size_t maxBytes,
                      const std::function<bool(const std::vector<uint8_t>&)>& whole);

// An exclusive lock on "<file>.lock" beside the file (through symbolic links, so that games
// sharing a file through a link share its lock too), held for the object's life. Every
// process that reads, changes and writes back the file holds it meanwhile, so none writes
// over what another has just written. The lock file stays: removing it would let two
// processes lock two different files of the same name.
class kuFileLock {
public:
    static constexpr unsigned defaultWaitMs = 5000;

    // Waits at most waitMs for the lock, creating the missing folders as a replace does. A
    // folder where no lock file can be made, or a file system without locks, has nothing to
    // wait for: the caller goes on, and its write says what is wrong with the folder.
    explicit kuFileLock(const std::string& file, unsigned waitMs = defaultWaitMs);
    ~kuFileLock();
    kuFileLock(const kuFileLock&) = delete;
    kuFileLock& operator=(const kuFileLock&) = delete;

    // True when another process held the lock for the whole wait: the caller must not write.
    bool heldElsewhere() const { return busy; }

private:
    int fd = -1;
    bool busy = false;
};

// One entry of a folder.
struct kuFolderEntry {
    std::string name; // without the folder
    bool regular = false;
    bool folder = false;
    int64_t ageSeconds = 0; // since its last change; negative when it lies in the future
};

// The entries of the folder (links are not followed; "." and ".." left out), at most
// maxEntries of them, in the order the file system gives; none when it cannot be read.
std::vector<kuFolderEntry> kuListFolder(const std::string& folder, size_t maxEntries);
// Removes the file (not a folder); true when it is gone.
bool kuRemoveFile(const std::string& file);
// True when the name leads to a regular file, through symbolic links.
bool kuIsRegularFile(const std::string& file);
