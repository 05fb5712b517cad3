// Sound effects: the audio device (Audio), loadable sounds (Sound) and the audio classes' own
// error (Error). Without a started device every sound operation does nothing and getRate
// reads 0, so the game runs unchanged on a machine without sound.
#pragma once

#include "kuSdl.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

// The audio classes' error, thrown by value. The message is not copied: every raise site
// passes a literal.
class Error {
public:
    explicit Error(const char* message);
    virtual ~Error();

    const char* getMessage() const;

private:
    const char* message;
};

// Why the WAV file cannot be played: the loader's reason, or a format the mixer cannot
// convert to the device's; empty when it can be played. Needs no device: without one the file
// is checked against the format a device would be asked for.
std::string soundFileProblem(const char* fileName);

// The one audio device: 22050 Hz, signed 16-bit little-endian stereo, 64 sample frames per
// buffer (more in a browser, see kuPlatform::openAudio). While started it is activeAudio and
// owns activeQueue, which SDL's audio thread mixes.
class Audio {
public:
    Audio();
    // Pauses the device and deletes the queue with every playback in it; after it returns no
    // callback touches the queue. The device stays open, paused, until SDL is shut down.
    virtual ~Audio();
    Audio(const Audio&) = delete;
    Audio& operator=(const Audio&) = delete;

    // Opens and unpauses the device. When it cannot be opened, prints "Couldn't open audio: "
    // with SDL's text on standard output and standard error and stays unstarted; nothing is
    // raised. A started Audio ignores further calls.
    void start();
    bool isStarted() const { return started; }
    // Muted, every playback stops at once and plays started meanwhile are not queued, so
    // nothing started while muted is heard later. Works before start too.
    void setMuted(bool muted);
    bool isMuted() const { return muted; }
    // Paused, the device plays silence and its playbacks wait where they are; resuming goes
    // on with them.
    void setPaused(bool paused);
    // The format the device granted; every sound is converted to it before it plays.
    const SDL_AudioSpec& getObtainedSpec() const { return obtainedSpec; }
    // The open device; 0 until started.
    kuAudioDevice getDevice() const { return device; }

private:
    bool started;
    kuAudioDevice device;
    SDL_AudioSpec obtainedSpec;
    bool muted;
};

// One sound effect: the samples as loaded from a WAV file and, from its first play on, a
// separate copy converted to the device's format, which its queued playbacks borrow.
// Releasing that copy first withdraws those playbacks from the queue.
class Sound {
public:
    Sound();
    virtual ~Sound();
    Sound(const Sound&) = delete;
    Sound& operator=(const Sound&) = delete;

    // Replaces any samples held before; the sound is empty when the file cannot be loaded.
    void loadWAV(const char* fileName);
    // Makes sure the converted copy matches the samples and their rate.
    void CheckConvert();
    // Releases the converted copy and the loaded samples.
    void CheckFreeData();
    // Releases the converted copy only.
    void CheckFreeConvertedData();
    // The next play converts the samples as if they had been recorded at rate Hz: above the
    // recorded rate the sound plays faster and higher, below it slower and lower.
    void setRate(unsigned int rate);
    int getRate();
    // Applies to playbacks started from now on; a repeating playback loops until the Audio is
    // destroyed or the sound's converted copy is released.
    void setRepeat(bool repeat);
    // Applies to playbacks started from now on: 100 plays the samples as they are, 0 not at
    // all (a play is then dropped).
    static constexpr int fullVolume = 100;
    void setVolume(int percent);
    // Starts one more playback at the next callback. When 20 playbacks are already running,
    // or the sound is muted, the new one is dropped, unheard.
    void play();

    const Uint8* getData() const { return data.get(); }
    Uint32 getLength() const { return length; }
    // Null unless converted.
    const Uint8* getConvertedData() const { return converted ? convertedData.get() : nullptr; }
    int32_t getConvertedLength() const { return convertedLength; }
    bool isConverted() const { return converted; }

private:
    struct wavDeleter {
        void operator()(Uint8* bytes) const;
    };
    struct mallocDeleter {
        void operator()(Uint8* bytes) const { std::free(bytes); }
    };
    using convertedBuffer = std::unique_ptr<Uint8, mallocDeleter>;

    convertedBuffer convertTo(const SDL_AudioSpec& device);

    std::unique_ptr<Uint8, wavDeleter> data;
    convertedBuffer convertedData;
    Uint32 length;
    int32_t convertedLength;
    SDL_AudioSpec wavSpec;
    bool converted;
    bool repeat;
    int volume; // 0 to SDL_MIX_MAXVOLUME
};
