#include "mazeBanner.h"

#include "vorlanMaze.h"

mazeBanner::mazeBanner(vorlanMaze* maze, kuImage* banners, const readingsLayout::box& which)
    : maze(maze) {
    banner.image = banners;
    rectManip::init(banner.rect, which.x, which.y, uint32_t(which.width), uint32_t(which.height));
    place = centredRect({readingsLayout::bannerCentreX, readingsLayout::bannerCentreY},
                        uint32_t(which.width), uint32_t(which.height));
}

void mazeBanner::show() {
    banner.display(rectManip::position(place));
}

void mazeBanner::hide() {
    maze->showArea(place);
}
