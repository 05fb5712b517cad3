#include "wallPlate.h"

#include "kuScreen.h"
#include "quaroLettering.h"
#include "vorlanMaze.h"

namespace wallPlate {

namespace {

constexpr int border = 2;
constexpr int margin = 12; // between the plate's edge and its text
struct colour {
    int red, green, blue;
};
constexpr colour frameColour = {232, 200, 120};
constexpr colour insideColour = {36, 24, 14};

kuRectangle rectOf(const readingsLayout::box& b) {
    kuRectangle r;
    rectManip::init(r, b.x, b.y, uint32_t(b.width), uint32_t(b.height));
    return r;
}

} // namespace

void write(vorlanMaze& maze, kuScreen& screen, quaroLettering& font,
           const readingsLayout::box& place, const std::string& text, align how) {
    clear(maze, place);
    std::string shown = font.drawable(text);
    while (!shown.empty() && font.width(shown) > place.width - 2 * margin)
        shown.pop_back();
    readingsLayout::box plate = place;
    plate.width = font.width(shown) + 2 * margin;
    if (how == align::centre)
        plate.x += (place.width - plate.width) / 2;
    else if (how == align::right)
        plate.x += place.width - plate.width;
    fill(screen, plate);
    font.drawText(shown, {plate.x + margin, place.y + (place.height - quaroLettering::height) / 2});
}

void fill(kuScreen& screen, const readingsLayout::box& place) {
    const kuRectangle plate = rectOf(place);
    screen.fillRect(plate, frameColour.red, frameColour.green, frameColour.blue);
    screen.fillRect(rectManip::expandRect(plate, -border, -border), insideColour.red,
                    insideColour.green, insideColour.blue);
}

void clear(vorlanMaze& maze, const readingsLayout::box& place) {
    maze.showArea(rectOf(place));
}

} // namespace wallPlate
