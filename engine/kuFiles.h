// The one way the game reads and writes its own files. Reading opens only regular files and
// never blocks: a folder, a FIFO or a device is refused by name before anything reads from it.
// Replacing writes a temporary file of a unique name beside the target, syncs it, renames it
// over the target, syncs the folder and hands the change to the platform's save sync, so the
// target is always a whole file, old or new, and two writers never share a temporary file.
#pragma once

#include <cstddef>
#include <cstdint>
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
