// Headless audio for the sound tests: the choice of SDL's audio driver (dummy, or disk to
// capture what the device plays), the audio lock held over a scope so that a test decides
// which mixing passes run, and the reading of a capture.
#pragma once

#include "kuAudio.h"
#include "kuAudioImpl.h"
#include "kuPlatform.h"
#include "sdlScript.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Each takes effect at the next start of SDL's audio. The disk driver writes every buffer the
// device plays to captureFile, with 1 ms between buffers.
void useDummyAudio();
void useDiskAudio(const std::string& captureFile);
// Makes the next device fail to open: the disk driver with a capture in a missing folder.
void useUnopenableDiskAudio(const std::string& missingFolder);

// The started device's audio lock for a scope: no callback runs meanwhile. The lock is
// recursive, so the code under test may take it too.
class AudioLock {
public:
    AudioLock() : device(activeAudio != nullptr ? activeAudio->getDevice() : 0) {
        kuPlatform::lockAudio(device);
    }
    ~AudioLock() { kuPlatform::unlockAudio(device); }
    AudioLock(const AudioLock&) = delete;
    AudioLock& operator=(const AudioLock&) = delete;

private:
    kuAudioDevice device;
};

// Polls until the running device has mixed the queue empty; false if it never does (a
// ten-second guard so that a broken mixer fails instead of hanging).
bool waitUntilEmpty(const PlayingQueue& queue);

// A capture written by the disk driver, as 16-bit samples.
std::vector<int16_t> readCapture(const std::string& path);

// The audio error a call raises, as its message; empty when it raises none.
template <class F> std::string errorOf(F&& f) {
    try {
        f();
    } catch (const Error& error) {
        return error.getMessage();
    }
    return "";
}

// A started device on the dummy driver, torn down before SDL shuts down.
class StartedAudioTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::unique_ptr<Audio> audio;
};
