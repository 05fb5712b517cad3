#include "soundLog.h"

#include "kuAudioImpl.h"
#include "kuPlatform.h"
#include "wavFiles.h"

#include <cstdint>

namespace {

constexpr int drainBytes = 1 << 16; // more than any logged sound holds

} // namespace

SoundLog::SoundLog() : wavFile(dir.file("tick.wav")), audio(std::make_unique<Audio>()) {
    writeWav(wavFile, deviceWav, std::vector<uint8_t>(4, 0)); // one silent sample frame
    audio->start();
    audio->setPaused(true);
}

SoundLog::~SoundLog() {
    audio.reset();
    sounds.clear();
}

bool SoundLog::deviceRunning() const {
    return audio->isStarted();
}

Sound* SoundLog::make(const std::string& name) {
    sounds.emplace_back(name, std::make_unique<Sound>());
    Sound* sound = sounds.back().second.get();
    sound->loadWAV(wavFile.c_str());
    return sound;
}

std::vector<std::string> SoundLog::collect() {
    std::vector<std::string> played;
    if (activeQueue == nullptr)
        return played;
    kuPlatform::lockAudio(audio->getDevice());
    for (int32_t i = 0; i < activeQueue->count(); ++i)
        played.push_back(nameOf(activeQueue->item(i)->getData()));
    std::vector<Uint8> sink(drainBytes);
    activeQueue->getBytes(drainBytes, sink.data());
    kuPlatform::unlockAudio(audio->getDevice());
    return played;
}

std::string SoundLog::nameOf(const Uint8* data) const {
    for (const auto& [name, sound] : sounds)
        if (sound->getConvertedData() == data)
            return name;
    return "?";
}
