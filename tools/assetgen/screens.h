// The full-screen pictures between rounds, 760 x 520: the title, how to play, the menu, game
// over, the two congratulations, the high-score table and the credits. Every picture a menu
// runs over shows its three buttons inside the menu's click areas; the places the game
// writes on (the name field, the table rows) are left plain.
#pragma once

#include "picture.h"
#include "textLook.h"

namespace screens {

constexpr int widthPx = 760;
constexpr int heightPx = 520;

// The click areas of the menu, x, y, width, height.
struct area {
    int x, y, width, height;
};
constexpr area settingsArea{50, 262, 150, 50};
constexpr area startArea{50, 320, 150, 50};
constexpr area scoresArea{50, 380, 150, 50};
constexpr area quitArea{50, 435, 150, 50};
// Where the name entry and the high-score table write.
constexpr area nameField{300, 360, 165, 25};
constexpr int tableFirstRowY = 103;
constexpr int tableRowStepPx = 23;
constexpr int tableNameX = 370;
constexpr int tableTimeX = 530;
// Where the game writes the time and the goods taken of a lost round.
constexpr area gameOverBoard{440, 224, 290, 78};

// Game pictures shown on the screens as illustrations.
struct Art {
    const Picture& products;
    const Picture& mugs;
    const Picture& arrow;
    const Picture& gateScene; // the maze around the house with the gate closed
};

Picture title(const TypeFace& face);
Picture howToPlay(const TypeFace& face, const Art& art);
Picture menu(const TypeFace& face);
Picture gameOver(const TypeFace& face);
Picture congratulation(const TypeFace& face);
Picture newRecord(const TypeFace& face);
Picture highScores(const TypeFace& face);
Picture credits(const TypeFace& face);
// The mark of a high-score row whose run is kept: a play button on a small dark tile, the
// same size as a glyph of the table's font, on the colour key.
Picture runMark();

} // namespace screens
