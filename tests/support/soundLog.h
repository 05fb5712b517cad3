// Sounds whose playbacks a test reads back instead of hearing them. The device runs on SDL's
// dummy driver but stays paused, so the mixer never takes a playback out of the queue: collect
// reads the queue in the order the sounds were played, names them and empties it.
#pragma once

#include "kuAudio.h"
#include "tempDir.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

class SoundLog {
public:
    // Opens the audio device; SDL must be initialised.
    SoundLog();
    // Stops the device before the sounds go, as the game does.
    ~SoundLog();
    SoundLog(const SoundLog&) = delete;
    SoundLog& operator=(const SoundLog&) = delete;

    // A loaded sound whose playbacks collect reports under name; the log owns it.
    Sound* make(const std::string& name);
    // The names of the sounds played since the last call, oldest first.
    std::vector<std::string> collect();
    bool deviceRunning() const;

private:
    std::string nameOf(const Uint8* data) const;

    TempDir dir;
    std::string wavFile;
    std::unique_ptr<Audio> audio;
    std::vector<std::pair<std::string, std::unique_ptr<Sound>>> sounds;
};
