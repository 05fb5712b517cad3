// Steers the hero of a running round as a cautious player would: by the shortest way to the
// nearest product or mug that keeps clear of the walking outlaws (straight past them while
// the super form has time left), and into the house once the gate is open. The same state of
// the round always gives the same wish.
#pragma once

#include "kuGeomUtil.h"

class vorlanGameShell;

// The wished direction for the next frame: one of the four unit steps, or (0, 0).
pt autopilotWish(const vorlanGameShell& shell);
