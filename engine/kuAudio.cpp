#include "kuAudio.h"

#include "kuAudioImpl.h"
#include "kuPlatform.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>
#include <new>
#include <utility>

namespace {

constexpr int deviceRateHz = 22050;
constexpr Uint16 deviceFormat = AUDIO_S16LSB;
constexpr Uint8 deviceChannels = 2;
constexpr Uint16 bufferFrames = 64;

// SDL's converter holds ten steps and overruns them, or never finishes, for rates far from
// the device's (a rate of 0 among them) and for channel counts it cannot map: it takes 1, 2,
// 4 and 6 channels. Within these bounds the worst case needs nine steps.
constexpr int64_t maxRateRatio = 16;

bool convertible(const SDL_AudioSpec& from, const SDL_AudioSpec& to) {
    const bool knownChannels =
        from.channels == 1 || from.channels == 2 || from.channels == 4 || from.channels == 6;
    const int64_t rate = from.freq;
    const int64_t deviceRate = to.freq;
    return knownChannels && rate * maxRateRatio >= deviceRate && rate <= deviceRate * maxRateRatio;
}

SDL_AudioSpec desiredFormat() {
    SDL_AudioSpec desired{};
    desired.freq = deviceRateHz;
    desired.format = deviceFormat;
    desired.channels = deviceChannels;
    desired.samples = bufferFrames;
    desired.callback = fillAudio;
    desired.userdata = nullptr;
    return desired;
}

// The run goes on without sound, so the reason goes to both streams.
void reportOpenFailure(const char* reason) {
    std::printf("Couldn't open audio: %s\n", reason);
    std::fflush(stdout);
    std::fprintf(stderr, "Couldn't open audio: %s\n", reason);
}

} // namespace

std::string soundFileProblem(const char* fileName) {
    SDL_AudioSpec spec{};
    Uint32 length = 0;
    Uint8* samples = kuPlatform::loadWave(fileName, &spec, &length);
    if (samples == nullptr)
        return SDL_GetError();
    kuPlatform::freeWave(samples);
    const SDL_AudioSpec device =
        activeAudio != nullptr ? activeAudio->getObtainedSpec() : desiredFormat();
    SDL_AudioCVT cvt;
    if (!convertible(spec, device) ||
        kuPlatform::buildAudioConverter(&cvt, spec.format, spec.channels, spec.freq, device.format,
                                        device.channels, device.freq) < 0)
        return "cannot be converted for playing (" + std::to_string(spec.freq) + " Hz, " +
               std::to_string(spec.channels) + " channels)";
    if (uint64_t(length) * uint64_t(cvt.len_mult) > uint64_t(INT_MAX))
        return "too long to be converted for playing";
    return "";
}

Error::Error(const char* message) : message(message) {}

Error::~Error() = default;

const char* Error::getMessage() const {
    return message;
}

Audio::Audio() : started(false), device(0), obtainedSpec{}, muted(false) {}

Audio::~Audio() {
    if (!started)
        return;
    kuPlatform::pauseAudio(device, true);
    PlayingQueue* queue = nullptr;
    kuPlatform::lockAudio(device);
    std::swap(queue, activeQueue);
    kuPlatform::unlockAudio(device);
    delete queue;
    activeAudio = nullptr;
}

void Audio::start() {
    if (started)
        return;
    activeAudio = nullptr;
    SDL_AudioSpec desired = desiredFormat();
    device = kuPlatform::openAudio(&desired, &obtainedSpec);
    if (device == 0) {
        reportOpenFailure(SDL_GetError());
        return;
    }
    PlayingQueue* queue = new PlayingQueue(device);
    kuPlatform::lockAudio(device);
    activeQueue = queue;
    kuPlatform::unlockAudio(device);
    activeAudio = this;
    started = true;
    kuPlatform::pauseAudio(device, false);
}

void Audio::setMuted(bool mute) {
    muted = mute;
    if (muted && started && activeQueue != nullptr)
        activeQueue->clear();
}

void Audio::setPaused(bool paused) {
    if (started)
        kuPlatform::pauseAudio(device, paused);
}

void Sound::wavDeleter::operator()(Uint8* bytes) const {
    kuPlatform::freeWave(bytes);
}

Sound::Sound()
    : length(0), convertedLength(0), wavSpec{}, converted(false), repeat(false),
      volume(SDL_MIX_MAXVOLUME) {}

Sound::~Sound() {
    CheckFreeData();
}

void Sound::loadWAV(const char* fileName) {
    if (activeAudio == nullptr)
        return;
    CheckFreeData();
    Uint32 loadedLength = 0;
    Uint8* loaded = kuPlatform::loadWave(fileName, &wavSpec, &loadedLength);
    if (loaded == nullptr)
        throw Error("Sound::loadWAV: Could not open file!");
    data.reset(loaded);
    length = loadedLength;
}

void Sound::CheckConvert() {
    if (activeAudio == nullptr)
        return;
    if (!data)
        throw Error("Sound::CheckConvert: No sound data!");
    if (converted)
        return;
    convertedData = convertTo(activeAudio->getObtainedSpec());
    converted = true;
}

// Converts a copy of the samples and sets convertedLength; the samples stay untouched.
Sound::convertedBuffer Sound::convertTo(const SDL_AudioSpec& device) {
    SDL_AudioCVT cvt;
    if (!convertible(wavSpec, device) ||
        kuPlatform::buildAudioConverter(&cvt, wavSpec.format, wavSpec.channels, wavSpec.freq,
                                        device.format, device.channels, device.freq) < 0)
        throw Error("Sound::CheckConvert: Could not build conversion structure!");
    const uint64_t room = uint64_t(length) * uint64_t(cvt.len_mult);
    if (room > uint64_t(INT_MAX))
        throw Error("Sound::CheckConvert: Not enough memory!");
    // At least one byte, so that an empty sound still gets a buffer of its own.
    convertedBuffer buffer(static_cast<Uint8*>(std::malloc(room > 0 ? room : 1)));
    if (!buffer)
        throw Error("Sound::CheckConvert: Not enough memory!");
    std::memcpy(buffer.get(), data.get(), length);
    cvt.buf = buffer.get();
    cvt.len = int(length);
    if (!cvt.needed) {
        convertedLength = int32_t(length);
        return buffer;
    }
    if (kuPlatform::convertAudio(&cvt) < 0)
        throw Error("Sound::loadWAV: Error converting audio!");
    convertedLength = cvt.len_cvt;
    return buffer;
}

void Sound::CheckFreeData() {
    if (!data)
        return;
    CheckFreeConvertedData();
    data.reset();
    length = 0;
}

void Sound::CheckFreeConvertedData() {
    if (!converted)
        return;
    if (activeQueue != nullptr)
        activeQueue->withdraw(convertedData.get());
    convertedData.reset();
    converted = false;
}

void Sound::setRate(unsigned int rate) {
    if (activeAudio == nullptr)
        return;
    if (!data)
        throw Error("Sound::setRate: No sound data!");
    wavSpec.freq = int(rate);
    CheckFreeConvertedData();
}

int Sound::getRate() {
    if (activeAudio == nullptr)
        return 0;
    if (!data)
        throw Error("Sound::getRate: No sound data!");
    return wavSpec.freq;
}

void Sound::setRepeat(bool repeat) {
    this->repeat = repeat;
}

void Sound::setVolume(int percent) {
    volume = SDL_MIX_MAXVOLUME * std::clamp(percent, 0, fullVolume) / fullVolume;
}

void Sound::play() {
    if (activeAudio == nullptr || activeAudio->isMuted() || volume == 0)
        return;
    CheckConvert();
    std::unique_ptr<Playing> playing(
        new (std::nothrow) Playing(convertedData.get(), convertedLength, repeat, volume));
    if (!playing)
        throw Error("Sound::play: Could not allocate Playing object!");
    if (activeQueue->tryAdd(playing.get()))
        playing.release();
}
