// The mixer behind Audio and Sound: playbacks (Playing) and the fixed queue of at most 20 of
// them that SDL's audio thread mixes in fillAudio. The game thread changes the queue only
// under the audio lock, which SDL holds for the whole callback.
#pragma once

#include "kuSdl.h"

#include <atomic>
#include <cstdint>
#include <memory>

class Audio;

// A cursor over a sample buffer in the device format; the buffer is borrowed from the Sound
// that created the playback. Keeps 0 <= position <= length.
class Playing {
public:
    // A negative length counts as 0; volume runs from 0 to SDL_MIX_MAXVOLUME.
    Playing(const Uint8* data, int length, bool repeat, int volume = SDL_MIX_MAXVOLUME);
    // Frees nothing: the samples belong to their Sound.
    virtual ~Playing();

    int bytesLeft() const { return length - position; }
    // Hands out the next piece of at most len bytes and returns its size; chunk is set only
    // when the size is positive. A repeating playback starts over after the piece that reaches
    // its end, so that piece may be shorter than len.
    int getBytes(int len, const Uint8** chunk);
    const Uint8* getData() const { return data; }
    int getVolume() const { return volume; }

private:
    int32_t length;
    int32_t position;
    const Uint8* data;
    bool repeat;
    int volume;
};

// A queue of at most 20 playbacks; slots 0 to numItems-1 are live, in the order they were
// added. The queue owns every playback in it and deletes it when it ends.
class PlayingQueue {
public:
    static constexpr int32_t capacity = 20;

    // The device's lock guards the queue; without a device (0) there is no lock to take.
    explicit PlayingQueue(kuAudioDevice device = 0);
    // Deletes every playback under the audio lock.
    virtual ~PlayingQueue();
    PlayingQueue(const PlayingQueue&) = delete;
    PlayingQueue& operator=(const PlayingQueue&) = delete;

    // Takes no lock: while the device runs the count may already be lower when it is used.
    int32_t count() const { return numItems.load(std::memory_order_relaxed); }
    // The playback in a slot. Takes no lock, so while the device runs call it with the audio
    // lock held: the mixing pass moves and deletes playbacks.
    Playing* item(int32_t index) const;
    // Appends a playback, which the queue then owns; raises Error when 20 are already active,
    // and the caller keeps it.
    void add(Playing* playing);
    // As add, but a full queue returns false instead of raising (the caller keeps playing).
    bool tryAdd(Playing* playing);
    // Deletes every playback that reads from data, keeping the others in order, so that the
    // buffer can be released.
    void withdraw(const Uint8* data);
    // Deletes every playback.
    void clear();
    // One mixing pass: every playback adds its next piece at its own volume from the first byte
    // of stream; ended playbacks are deleted. Allocates nothing; called with the lock held.
    void getBytes(int len, Uint8* stream);

private:
    std::unique_ptr<Playing> items[capacity];
    kuAudioDevice device;
    int32_t maxItems;
    std::atomic<int32_t> numItems;
};

// The SDL audio callback: mixes activeQueue into stream, or leaves SDL's silence while there
// is no queue. Ignores userdata.
void fillAudio(void* userdata, Uint8* stream, int len);

// The started Audio, or null when there is no sound.
extern Audio* activeAudio;
// The queue that fillAudio mixes, owned by the started Audio; changed only under the audio
// lock.
extern PlayingQueue* activeQueue;
