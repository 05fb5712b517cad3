// The seventeen sound effects of the game, synthesised: steps, pick-ups, gulps, bonks, creaks,
// birds, voices and the tunes of the title, the game over and the congratulation.
#pragma once

#include "synth.h"

#include <string>
#include <vector>

namespace sounds {

struct Effect {
    std::string file; // under SFX/
    synth::Samples samples;
    double peak; // fraction of full scale the writer scales the sound to
};

std::vector<Effect> all();

} // namespace sounds
