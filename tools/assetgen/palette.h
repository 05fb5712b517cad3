// The one palette of every picture: a bright, sun-baked Wild West. Pictures take their colours
// from here so that the maze, the actors, the props and the screens belong together.
#pragma once

#include "picture.h"

namespace palette {

constexpr rgba ink{42, 24, 18, 255}; // every outline

constexpr rgba sand{242, 218, 164, 255};
constexpr rgba sandLight{250, 232, 190, 255};
constexpr rgba sandShade{224, 192, 136, 255};
constexpr rgba pebble{206, 172, 124, 255};

constexpr rgba rockTop{204, 106, 62, 255};
constexpr rgba rockTopLight{226, 136, 82, 255};
constexpr rgba rockFace{152, 66, 40, 255};
constexpr rgba rockSeam{170, 80, 48, 255};
constexpr rgba rockDark{104, 42, 26, 255};

constexpr rgba woodLight{222, 160, 92, 255};
constexpr rgba wood{182, 112, 58, 255};
constexpr rgba woodDark{122, 70, 36, 255};
constexpr rgba woodDeep{78, 44, 26, 255};
constexpr rgba iron{92, 96, 108, 255};
constexpr rgba tin{176, 184, 196, 255};
constexpr rgba tinLight{226, 232, 240, 255};

constexpr rgba skyTop{70, 164, 232, 255};
constexpr rgba skyLow{255, 206, 128, 255};
constexpr rgba sun{255, 236, 150, 255};
constexpr rgba mesa{186, 84, 52, 255};
constexpr rgba mesaFar{212, 128, 96, 255};
constexpr rgba cactus{74, 150, 70, 255};
constexpr rgba cactusDark{44, 104, 48, 255};

constexpr rgba white{255, 252, 240, 255};
constexpr rgba red{220, 50, 44, 255};
constexpr rgba redDark{150, 28, 30, 255};
constexpr rgba yellow{255, 206, 44, 255};
constexpr rgba gold{255, 222, 70, 255};
constexpr rgba blue{64, 104, 196, 255};
constexpr rgba blueDark{40, 62, 130, 255};
constexpr rgba green{70, 160, 80, 255};
constexpr rgba skin{255, 208, 164, 255};
constexpr rgba skinShade{232, 166, 124, 255};
constexpr rgba foam{255, 250, 236, 255};
constexpr rgba rootBeer{140, 62, 24, 255};

constexpr rgba glyphTop{255, 244, 178, 255}; // the game font's fill, top to bottom
constexpr rgba glyphBottom{255, 168, 48, 255};

} // namespace palette

// A colour moved towards black (amount > 0) or white (amount < 0), amount in 0..1.
rgba shade(rgba c, double amount);
