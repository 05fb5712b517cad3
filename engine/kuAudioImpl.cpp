#include "kuAudioImpl.h"

#include "kuAudio.h"
#include "kuPlatform.h"

#include <algorithm>
#include <utility>

Audio* activeAudio = nullptr;
PlayingQueue* activeQueue = nullptr;

namespace {

// Holds the device's audio lock for a scope; SDL's lock is recursive.
class audioLock {
public:
    explicit audioLock(kuAudioDevice device) : device(device) { kuPlatform::lockAudio(device); }
    ~audioLock() { kuPlatform::unlockAudio(device); }
    audioLock(const audioLock&) = delete;
    audioLock& operator=(const audioLock&) = delete;

private:
    kuAudioDevice device;
};

} // namespace

Playing::Playing(const Uint8* data, int length, bool repeat, int volume)
    : length(std::max(length, 0)), position(0), data(data), repeat(repeat), volume(volume) {}

Playing::~Playing() = default;

int Playing::getBytes(int len, const Uint8** chunk) {
    const int n = std::min(len, bytesLeft());
    if (n <= 0)
        return 0;
    *chunk = data + position;
    position += n;
    if (repeat && bytesLeft() <= 0)
        position = 0;
    return n;
}

PlayingQueue::PlayingQueue(kuAudioDevice device)
    : device(device), maxItems(capacity), numItems(0) {}

PlayingQueue::~PlayingQueue() {
    clear();
}

Playing* PlayingQueue::item(int32_t index) const {
    if (index < 0 || index >= count())
        throw Error("PlayingQueue::item: Index out of range!");
    return items[index].get();
}

void PlayingQueue::add(Playing* playing) {
    if (!tryAdd(playing))
        throw Error("PlayingQueue::add: Not implemented dynamic grow!");
}

bool PlayingQueue::tryAdd(Playing* playing) {
    audioLock lock(device);
    const int32_t used = count();
    if (used >= maxItems)
        return false;
    items[used].reset(playing);
    numItems.store(used + 1, std::memory_order_relaxed);
    return true;
}

void PlayingQueue::withdraw(const Uint8* data) {
    audioLock lock(device);
    const int32_t used = count();
    int32_t keep = 0;
    for (int32_t r = 0; r < used; ++r) {
        if (items[r]->getData() == data) {
            items[r].reset();
            continue;
        }
        if (keep != r)
            items[keep] = std::move(items[r]);
        ++keep;
    }
    numItems.store(keep, std::memory_order_relaxed);
}

void PlayingQueue::clear() {
    audioLock lock(device);
    for (std::unique_ptr<Playing>& playing : items)
        playing.reset();
    numItems.store(0, std::memory_order_relaxed);
}

void PlayingQueue::getBytes(int len, Uint8* stream) {
    const int32_t used = count();
    int32_t keep = 0;
    for (int32_t r = 0; r < used; ++r) {
        const Uint8* chunk = nullptr;
        const int n = items[r]->getBytes(len, &chunk);
        if (n > 0)
            kuPlatform::mixAudio(stream, chunk, Uint32(n), items[r]->getVolume());
        if (items[r]->bytesLeft() == 0) {
            items[r].reset();
            continue;
        }
        if (keep != r)
            items[keep] = std::move(items[r]);
        ++keep;
    }
    numItems.store(keep, std::memory_order_relaxed);
}

void fillAudio(void*, Uint8* stream, int len) {
    if (activeQueue != nullptr)
        activeQueue->getBytes(len, stream);
}
