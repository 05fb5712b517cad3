// Writes sounds as PCM WAV files: 22050 Hz, mono, 16-bit, the format every sound of the game
// is made in. The writer scales each sound to a chosen peak, never above -6 dBFS, so that
// several sounds mixed together rarely clip.
#pragma once

#include <string>
#include <vector>

constexpr int sampleRateHz = 22050;
// The loudest peak a sound may have, as a fraction of full scale: about -6.4 dBFS.
constexpr double loudestPeak = 0.48;

// Scales `samples` so that its largest magnitude is `peak` (at most loudestPeak) of full
// scale and writes it. A silent sound is written as silence.
void writeWav(const std::string& path, const std::vector<float>& samples,
              double peak = loudestPeak);
