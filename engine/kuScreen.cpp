#include "kuScreen.h"

#include "kuExceptions.h"
#include "kuImages.h"
#include "kuImagesImpl.h"

#include <cstdio>

namespace {

constexpr int bitsPerPixel = 32;
constexpr uint32_t defaultWidth = 640;
constexpr uint32_t defaultHeight = 480;

// The library's rectangle format: 16-bit position and extent.
SDL_Rect toSdlRect(int32_t x, int32_t y, uint32_t width, uint32_t height) {
    SDL_Rect rect;
    rect.x = Sint16(x);
    rect.y = Sint16(y);
    rect.w = Uint16(width);
    rect.h = Uint16(height);
    return rect;
}

} // namespace

kuScreen::kuScreen()
    : surface(nullptr), size{defaultWidth, defaultHeight}, updateRects{}, updateRectCount(0),
      updating(false), fullScreen(true) {}

kuScreen::~kuScreen() {
    if (isOpen())
        close();
}

void kuScreen::open() {
    if (isOpen())
        kuE::kuRaiseBug("Screenobject is already open in kuScreen::open");
    const Uint32 flags = fullScreen ? SDL_FULLSCREEN : 0;
    surface = SDL_SetVideoMode(int(size.width), int(size.height), bitsPerPixel, flags);
    if (surface == nullptr)
        kuE::kuRaiseGeneric("OpenDisplay", SDL_GetError());
    globalPool = new kuImagePool;
}

void kuScreen::close() {
    requireOpen("Screenobject is not open in kuScreen::close");
    surface = nullptr;
    delete globalPool;
    globalPool = nullptr;
}

SDL_Surface* kuScreen::getSDLSurface() {
    requireOpen("Screenobject is not open in kuScreen::getSDLSurface");
    return surface;
}

void kuScreen::setSize(const sz& newSize) {
    if (isOpen())
        kuE::kuRaiseBug("Cannot set screensize in kuScreen::setSize");
    size = newSize;
}

void kuScreen::setFullScreen(bool wanted) {
    if (isOpen())
        kuE::kuRaiseBug("Cannot change the display mode of an open screen in "
                        "kuScreen::setFullScreen");
    fullScreen = wanted;
}

void kuScreen::beginUpdate() {
    if (updating)
        kuE::kuRaiseBug("Already updating in kuScreen::beginUpdate! Nested updating is not "
                        "implemented!");
    updating = true;
}

void kuScreen::endUpdate() {
    if (!updating)
        kuE::kuRaiseBug("Not updating in kuScreen::endUpdate! Nested updating is not "
                        "implemented!");
    if (updatingRect)
        pushUpdatingRect();
    updating = false;
}

void kuScreen::dontUpdate() {
    if (!updating)
        kuE::kuRaiseBug("Not updating in kuScreen::endUpdate! Nested updating is not "
                        "implemented!");
    updatingRect.reset();
    updating = false;
}

void kuScreen::pushUpdatingRect() {
    if (!updatingRect)
        return;
    if (updateRectCount == maxUpdateRects) {
        // An open screen shows a full stack first: the player sees the same picture. A closed
        // one cannot, so the newest entry grows to cover the rectangle instead.
        if (isOpen()) {
            update();
        } else {
            rectManip::unite(updateRects[maxUpdateRects - 1], *updatingRect);
            updatingRect.reset();
            return;
        }
    }
    updateRects[updateRectCount++] = *updatingRect;
    updatingRect.reset();
}

void kuScreen::display(kuImage* image, const kuRectangle& source, const pt& at) {
    if (image == nullptr)
        kuE::kuRaiseBug("No image specified in kuScreen::display");
    if (!image->isOpen())
        kuE::kuRaiseBug("No image loaded in kuScreen::display");
    SDL_Surface* imageSurface = image->getSDLSurface();
    requireOpen("Screenobject is not open in kuScreen::display");

    SDL_Rect from = toSdlRect(source.x, source.y, source.width, source.height);
    SDL_Rect to = toSdlRect(at.x, at.y, source.width, source.height);
    if (to.x < 0 || to.y < 0 || to.x + to.w > long(size.width) || to.y + to.h > long(size.height))
        std::printf("display: %ld, %ld, %ld, %ld\n", long(to.x), long(to.y), long(to.x + to.w),
                    long(to.y + to.h));
    SDL_UpperBlit(imageSurface, &from, surface, &to);
    record(to);
}

void kuScreen::fillRect(const kuRectangle& area, int red, int green, int blue) {
    requireOpen("Screenobject is not open in kuScreen::fillRect");
    SDL_Rect rect = toSdlRect(area.x, area.y, area.width, area.height);
    const Uint32 colour = SDL_MapRGB(surface->format, Uint8(red), Uint8(green), Uint8(blue));
    SDL_FillRect(surface, &rect, colour);
    if (rect.x < 0 || rect.y < 0 || rect.x + rect.w > long(size.width) ||
        rect.y + rect.h > long(size.height))
        std::printf("Out of range in display: %ld, %ld, %ld, %ld\n", long(rect.x), long(rect.y),
                    long(rect.x + rect.w), long(rect.y + rect.h));
    record(rect);
}

void kuScreen::record(const SDL_Rect& drawn) {
    kuRectangle rect;
    rectManip::init(rect, drawn.x, drawn.y, drawn.w, drawn.h);
    if (updatingRect)
        rectManip::unite(*updatingRect, rect);
    else
        updatingRect = rect;
    if (!updating)
        pushUpdatingRect();
}

void kuScreen::update() {
    requireOpen("Screenobject is not open in kuScreen::update");
    while (updateRectCount > 0) {
        const kuRectangle& rect = updateRects[--updateRectCount];
        SDL_UpdateRect(surface, rect.x, rect.y, rect.width, rect.height);
    }
}

void kuScreen::refreshAll() {
    requireOpen("Screenobject is not open in kuScreen::refreshAll");
    SDL_UpdateRect(surface, 0, 0, 0, 0);
}

void kuScreen::requireOpen(const char* message) {
    if (!isOpen())
        kuE::kuRaiseBug(message);
}
