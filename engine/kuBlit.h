// The copy of a part of a picture onto another surface, clipped exactly as the video
// library's blit clips. A plain picture (no colour key, no alpha) in the target's own pixel
// format is copied row by row: the library's copy for it uses non-temporal stores, which cost
// more than they save on the small rectangles a frame draws. Everything else is the library's.
#pragma once

#include "kuSdl.h"

// Copies the part `from` of src to dst with its top-left corner at (to.x, to.y), and writes
// the clipped destination back into `to` (width and height 0 when nothing is left), as
// SDL_UpperBlit does.
void kuBlit(SDL_Surface* src, const SDL_Rect& from, SDL_Surface* dst, SDL_Rect& to);
