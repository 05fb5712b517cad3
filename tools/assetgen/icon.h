// The game's icon for the desktop's menus: the kid's head under his hat, drawn with the same
// figure as the sprites, on a rounded tile of desert sky. One drawing makes every size, as
// pixels and as SVG, so the icons of all sizes show the same picture.
#pragma once

#include "picture.h"

#include <string>

namespace icon {

// The icon drawn into a square of `sizePx` pixels.
Picture picture(int sizePx);
// Writes the icon as a PNG file of `sizePx` pixels square, or as an SVG file.
void writePng(const std::string& file, int sizePx);
void writeSvg(const std::string& file, int sizePx);

} // namespace icon
