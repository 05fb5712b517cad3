// Feeds arbitrary bytes to the picture and sound decoders of the browser build as a file: a
// decoded picture holds exactly its pixels, and a decoded sound converts to the device's
// format within the room the converter asked for.
#include "kuMediaCodecs.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int deviceRateHz = 22050;
// The sound class converts nothing further from the device's rate than this.
constexpr int maxRateRatio = 16;

void convertToTheDevice(const kuMediaCodecs::pcmSound& sound) {
    if (sound.rateHz * int64_t(maxRateRatio) < deviceRateHz ||
        sound.rateHz > deviceRateHz * int64_t(maxRateRatio))
        return;
    SDL_AudioCVT cvt;
    if (kuMediaCodecs::buildConverter(&cvt, sound.format, sound.channels, sound.rateHz,
                                      AUDIO_S16LSB, 2, deviceRateHz) < 0)
        std::abort(); // every decodable sound converts to the device's format
    std::vector<uint8_t> buffer(sound.samples.size() * size_t(cvt.len_mult) + 1);
    std::copy(sound.samples.begin(), sound.samples.end(), buffer.begin());
    cvt.buf = buffer.data();
    cvt.len = int(sound.samples.size());
    if (kuMediaCodecs::convert(&cvt) != 0 || cvt.len_cvt < 0 ||
        size_t(cvt.len_cvt) > sound.samples.size() * size_t(cvt.len_mult))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> file(data, data + size);
    std::string error;
    kuMediaCodecs::rgbPicture picture;
    if (kuMediaCodecs::decodeBmp(file, picture, error) &&
        picture.rgb.size() != size_t(picture.width) * size_t(picture.height) * 3)
        std::abort();
    kuMediaCodecs::pcmSound sound;
    if (kuMediaCodecs::decodeWav(file, sound, error))
        convertToTheDevice(sound);
    return 0;
}
