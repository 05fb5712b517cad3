// The small pictures a round shows beside its actors: the super form's glow, the wait mark, the
// mute mark, a life and the fill of the super bar; and the banners of the ready moment and of
// the gate's opening. Both are keyed pictures laid out as readingsLayout says.
#pragma once

#include "picture.h"
#include "textLook.h"

namespace marks {

// 120 x 50: the glow, the wait mark, the mute mark and a life on the first row, the bar's fill
// below.
Picture marks(const TypeFace& face);
// 260 x 80: "ready!" on the first row, "the gate is open!" on the second, each on a board.
Picture banners(const TypeFace& face);

} // namespace marks
