// The rules a round is played by. A recorded run is only a seed and inputs, so it plays back
// the same round only under the rules it was recorded by: every change to what decides play
// raises `current`, and the round goes on playing each identifier from `oldest` on exactly as
// it did. The tests hold a summary of the same rounds for every identifier.
//   1  the outlaws' yells draw from the round's own generator (the runs of file version 1)
//   2  the yells draw from a generator of their own, so sounds can change without play
#pragma once

#include <cstdint>
#include <string>

namespace quaroRules {

constexpr uint16_t oldest = 1;
constexpr uint16_t current = 2;

// Whether the yells of rounds under these rules draw from the round's own generator.
constexpr bool yellsShareTheRoundsDraws(uint16_t rules) {
    return rules == 1;
}

// Why a run recorded under these rules cannot be played ("recorded by an older version of the
// game's rules"); empty when it can.
std::string refusal(uint16_t rules);

} // namespace quaroRules
