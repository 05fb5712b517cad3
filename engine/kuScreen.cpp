#include "kuScreen.h"

#include "kuBlit.h"
#include "kuExceptions.h"
#include "kuImages.h"
#include "kuImagesImpl.h"
#include "kuPlatform.h"

#include <algorithm>
#include <cstdio>

namespace {

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

// A canvas surface of the given size in the output's own pixel format, so that copying it
// to the output needs no conversion.
SDL_Surface* canvasLike(const SDL_Surface* output, const sz& size) {
    SDL_Surface* canvas = kuSurfaces::createLike(output, int(size.width), int(size.height));
    if (canvas == nullptr)
        kuE::kuRaiseGeneric("MEMORY", "Out of memory!");
    return canvas;
}

sz sizeOf(const SDL_Surface* surface) {
    return {uint32_t(surface->w), uint32_t(surface->h)};
}

// The rectangle cut to the surface's clip rectangle, as the library's fill cuts it: what is
// left of it, or an empty rectangle at the nearest corner of the clip rectangle.
SDL_Rect clipped(const SDL_Rect& rect, const SDL_Surface* surface) {
    const SDL_Rect& clip = surface->clip_rect;
    const int left = std::max<int>(rect.x, clip.x);
    const int right = std::min<int>(rect.x + rect.w, clip.x + clip.w);
    const int top = std::max<int>(rect.y, clip.y);
    const int bottom = std::min<int>(rect.y + rect.h, clip.y + clip.h);
    return toSdlRect(left, top, uint32_t(std::max(right - left, 0)),
                     uint32_t(std::max(bottom - top, 0)));
}

void paintBlack(SDL_Surface* surface) {
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 0));
}

} // namespace

kuScreen::kuScreen()
    : output(nullptr), canvas(nullptr), size{defaultWidth, defaultHeight}, scaler(size),
      desktopGiven(false), forcedScale(0), updateRects{}, shownRects{}, updateRectCount(0),
      updating(false), fullScreen(true) {}

kuScreen::~kuScreen() {
    if (isOpen())
        close();
}

void kuScreen::open() {
    if (isOpen())
        kuE::kuRaiseBug("Screenobject is already open in kuScreen::open");
    if (!desktop)
        desktop = reportedDesktopSize();
    if (fullScreen && !fullScreenFits())
        fullScreen = false;
    if (!openOutput(nullptr))
        kuE::kuRaiseGeneric("OpenDisplay", SDL_GetError());
    globalPool = new kuImagePool;
}

sz kuScreen::reportedDesktopSize() {
    return kuPlatform::desktopSize();
}

bool kuScreen::fullScreenFits() const {
    const sz usable = kuScaler::usableDesktop(*desktop, size);
    if (kuScaler::fitsFullScreen(size, usable, 1))
        return true;
    std::printf("The %u x %u desktop is smaller than the game's %u x %u picture: playing in a "
                "window.\n",
                usable.width, usable.height, size.width, size.height);
    std::fflush(stdout);
    return false;
}

bool kuScreen::openOutput(SDL_Surface* kept) {
    scaler = kuScaler::forDisplay(size, kuScaler::usableDesktop(*desktop, size), fullScreen,
                                  forcedScale);
    output = video.open(scaler.getOutputSize(), size, fullScreen, desktopGiven);
    if (output == nullptr) {
        ownCanvas.reset();
        canvas = nullptr;
        return false;
    }
    fitCanvas(kept);
    return true;
}

void kuScreen::fitCanvas(SDL_Surface* kept) {
    if (!sizeManip::isEqual(sizeOf(output), scaler.getOutputSize()))
        scaler = kuScaler::forOutput(size, sizeOf(output), scaler.getFactor());
    ownCanvas.reset(scaler.isIdentity() ? nullptr : canvasLike(output, size));
    canvas = ownCanvas ? ownCanvas.get() : output;
    if (ownCanvas) {
        paintBlack(output); // the border, and the canvas until it is shown
        paintBlack(canvas);
    }
    if (kept != nullptr)
        SDL_BlitSurface(kept, nullptr, canvas, nullptr);
}

kuScreen::ownedSurface kuScreen::copyOfCanvas() const {
    ownedSurface copy(kuSurfaces::createLike(canvas, canvas->w, canvas->h));
    if (!copy)
        kuE::kuRaiseGeneric("MEMORY", "Out of memory!");
    SDL_BlitSurface(canvas, nullptr, copy.get(), nullptr);
    return copy;
}

void kuScreen::followResize() {
    const ownedSurface kept = copyOfCanvas();
    output = video.surfaceAfterResize();
    if (output == nullptr)
        kuE::kuRaiseGeneric("OpenDisplay", SDL_GetError());
    scaler = kuScaler::forOutput(size, sizeOf(output), 0);
    fitCanvas(kept.get());
    if (!scaler.isIdentity())
        showOnOutput(rectManip::zeroRect);
    video.showAll();
}

void kuScreen::toggleFullScreen() {
    requireOpen("Screenobject is not open in kuScreen::toggleFullScreen");
    if (!fullScreen && !fullScreenFits())
        return;
    const ownedSurface kept = copyOfCanvas();
    fullScreen = !fullScreen;
    if (!openOutput(kept.get())) {
        fullScreen = !fullScreen;
        if (!openOutput(kept.get()))
            kuE::kuRaiseGeneric("OpenDisplay", SDL_GetError());
    }
    refreshAll();
}

void kuScreen::close() {
    requireOpen("Screenobject is not open in kuScreen::close");
    video.close();
    output = nullptr;
    canvas = nullptr;
    ownCanvas.reset();
    delete globalPool;
    globalPool = nullptr;
}

SDL_Surface* kuScreen::getSDLSurface() {
    requireOpen("Screenobject is not open in kuScreen::getSDLSurface");
    return canvas;
}

SDL_Surface* kuScreen::getOutputSurface() {
    requireOpen("Screenobject is not open in kuScreen::getOutputSurface");
    return output;
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

void kuScreen::setScale(int factor) {
    if (isOpen())
        kuE::kuRaiseBug("Cannot change the scale of an open screen in kuScreen::setScale");
    forcedScale = factor;
}

void kuScreen::setDesktopSize(const sz& given) {
    if (isOpen())
        kuE::kuRaiseBug("Cannot change the desktop of an open screen in kuScreen::setDesktopSize");
    desktop = given;
    desktopGiven = true;
}

void kuScreen::setTitle(const char* title) {
    video.setTitle(title);
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
        kuE::kuRaiseBug("Not updating in kuScreen::dontUpdate! Nested updating is not "
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
    kuBlit(imageSurface, from, canvas, to);
    record(to);
}

void kuScreen::fillRect(const kuRectangle& area, int red, int green, int blue) {
    requireOpen("Screenobject is not open in kuScreen::fillRect");
    SDL_Rect rect = clipped(toSdlRect(area.x, area.y, area.width, area.height), canvas);
    const Uint32 colour = SDL_MapRGB(canvas->format, Uint8(red), Uint8(green), Uint8(blue));
    SDL_FillRect(canvas, &rect, colour);
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
    if (hidden) {
        updateRectCount = 0;
        return;
    }
    if (video.resized()) {
        updateRectCount = 0; // the whole picture is shown anyway
        followResize();
        return;
    }
    int shown = 0;
    while (updateRectCount > 0) {
        const SDL_Rect area = showOnOutput(updateRects[--updateRectCount]);
        if (area.w > 0 && area.h > 0)
            shownRects[shown++] = area;
    }
    if (shown > 0)
        video.show(shownRects, shown);
}

SDL_Rect kuScreen::showOnOutput(const kuRectangle& rect) {
    kuRectangle wholeCanvas;
    rectManip::init(wholeCanvas, 0, 0, size.width, size.height);
    const bool all = rect.x == 0 && rect.y == 0 && rect.width == 0 && rect.height == 0;
    const kuRectangle area = all ? wholeCanvas : rect;
    if (!scaler.isIdentity())
        return scaler.copy(canvas, output, area);
    const kuRectangle visible = rectManip::intersection(area, wholeCanvas);
    return toSdlRect(visible.x, visible.y, visible.width, visible.height);
}

void kuScreen::refreshAll() {
    requireOpen("Screenobject is not open in kuScreen::refreshAll");
    if (video.resized()) {
        followResize();
        return;
    }
    if (!scaler.isIdentity())
        showOnOutput(rectManip::zeroRect);
    video.showAll();
}

void kuScreen::requireOpen(const char* message) {
    if (!isOpen())
        kuE::kuRaiseBug(message);
}
