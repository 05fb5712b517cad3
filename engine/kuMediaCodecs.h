// Small decoders and converters for the media this game ships, in plain C++ on SDL's types so
// that they build for every platform: uncompressed BMP pictures, PCM WAV sounds, conversion
// of samples to the signed 16-bit stereo or mono a device plays, and mixing of those. The browser
// build uses them where its SDL layer has nothing; the desktop tests hold them against SDL's own.
#pragma once

#include "kuSdl.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kuMediaCodecs {

// A picture as red, green, blue bytes, row by row from the top: width * height * 3 bytes.
struct rgbPicture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;
};

// A sound as its WAV file holds it: the format (frequency, format, channels) and the samples.
struct pcmSound {
    int rateHz = 0;
    Uint16 format = 0; // AUDIO_U8 or AUDIO_S16LSB
    Uint8 channels = 0;
    std::vector<uint8_t> samples;
};


// Decodes a BMP of 24 or 32 bits per pixel without compression, bottom-up or top-down. On
// failure returns false and names the reason in `error`; `picture` is then unspecified.
bool decodeBmp(const std::vector<uint8_t>& file, rgbPicture& picture, std::string& error);

// Decodes a PCM WAV of 8 or 16 bits per sample and one or two channels; chunks other than
// "fmt " and "data" are skipped. On failure returns false and names the reason in `error`.
bool decodeWav(const std::vector<uint8_t>& file, pcmSound& sound, std::string& error);

// The sample converter, with SDL's contract: buildConverter fills cvt for a conversion from
// AUDIO_U8, AUDIO_S8 or AUDIO_S16LSB to AUDIO_S16LSB, from one channel to one or two or from
// two to two, between any two positive rates. It returns 1 when a conversion is needed, 0 when
// the formats are equal and -1 for conversions it does not know. The caller then sets cvt->buf (at
// least cvt->len * cvt->len_mult bytes) and cvt->len, and convert leaves cvt->len_cvt bytes there.
int buildConverter(SDL_AudioCVT* cvt, Uint16 srcFormat, Uint8 srcChannels, int srcRate,
                   Uint16 dstFormat, Uint8 dstChannels, int dstRate);
// Runs the steps buildConverter chose; 0 on success, -1 when cvt has no buffer.
int convert(SDL_AudioCVT* cvt);

// Adds len bytes of signed 16-bit little-endian samples from src to dst, each scaled by
// volume / SDL_MIX_MAXVOLUME, and clips the sums to 16 bits, as SDL_MixAudio does.
void mixS16(Uint8* dst, const Uint8* src, Uint32 len, int volume);

} // namespace kuMediaCodecs
