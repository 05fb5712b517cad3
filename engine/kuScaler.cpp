#include "kuScaler.h"

#include "kuExceptions.h"

#include <algorithm>
#include <cstring>

namespace {

// A window may take this share of the desktop, in percent: room for the title bar and panels.
constexpr uint32_t windowWidthPercent = 90;
constexpr uint32_t windowHeightPercent = 85;

bool fitsWindow(const sz& canvas, const sz& desktop, int factor) {
    const uint64_t n = uint64_t(factor);
    return canvas.width * n * 100 <= uint64_t(desktop.width) * windowWidthPercent &&
           canvas.height * n * 100 <= uint64_t(desktop.height) * windowHeightPercent;
}

Uint32* pixelRow(SDL_Surface* surface, int y) {
    return reinterpret_cast<Uint32*>(static_cast<Uint8*>(surface->pixels) + y * surface->pitch);
}

// Locks a surface for direct access for as long as it lives, where the library asks for it.
class surfaceLock {
public:
    explicit surfaceLock(SDL_Surface* surface) : surface(surface) {
        if (SDL_MUSTLOCK(surface))
            SDL_LockSurface(surface);
    }
    ~surfaceLock() {
        if (SDL_MUSTLOCK(surface))
            SDL_UnlockSurface(surface);
    }
    surfaceLock(const surfaceLock&) = delete;
    surfaceLock& operator=(const surfaceLock&) = delete;

private:
    SDL_Surface* surface;
};

// Writes every source pixel `factor` times in a row. The factors players meet get a loop of
// their own, which the compiler unrolls: this is the inner loop of every enlarged frame.
template <int factor> void widen(const Uint32* source, uint32_t count, Uint32* out) {
    for (uint32_t i = 0; i < count; ++i)
        for (int copy = 0; copy < factor; ++copy)
            *out++ = source[i];
}

void widenRow(const Uint32* source, uint32_t count, Uint32* out, int factor) {
    switch (factor) {
    case 2:
        widen<2>(source, count, out);
        break;
    case 3:
        widen<3>(source, count, out);
        break;
    case 4:
        widen<4>(source, count, out);
        break;
    default:
        for (uint32_t i = 0; i < count; ++i)
            out = std::fill_n(out, factor, source[i]);
        break;
    }
}

SDL_Rect toSdlRect(const kuRectangle& rect) {
    SDL_Rect result;
    result.x = Sint16(rect.x);
    result.y = Sint16(rect.y);
    result.w = Uint16(rect.width);
    result.h = Uint16(rect.height);
    return result;
}

} // namespace

sz kuScaler::usableDesktop(const sz& reported, const sz& canvas) {
    return sizeManip::isEmpty(reported) ? canvas : reported;
}

bool kuScaler::fitsFullScreen(const sz& canvas, const sz& desktop, int factor) {
    const uint64_t n = uint64_t(factor);
    return canvas.width * n <= desktop.width && canvas.height * n <= desktop.height;
}

int kuScaler::largestFactor(const sz& canvas, const sz& desktop, bool fullScreen) {
    int factor = 1;
    while (fullScreen ? fitsFullScreen(canvas, desktop, factor + 1)
                      : fitsWindow(canvas, desktop, factor + 1))
        ++factor;
    return factor;
}

kuScaler kuScaler::forDisplay(const sz& canvas, const sz& desktop, bool fullScreen,
                              int forcedFactor) {
    if (!fullScreen) {
        const int factor =
            forcedFactor > 0 ? forcedFactor : largestFactor(canvas, desktop, fullScreen);
        return kuScaler(canvas, {canvas.width * factor, canvas.height * factor}, factor);
    }
    if (!fitsFullScreen(canvas, desktop, 1))
        return kuScaler(canvas);
    const int factor = forcedFactor > 0 && fitsFullScreen(canvas, desktop, forcedFactor)
                           ? forcedFactor
                           : largestFactor(canvas, desktop, fullScreen);
    return kuScaler(canvas, desktop, factor);
}

kuScaler kuScaler::forOutput(const sz& canvas, const sz& output, int preferredFactor) {
    const int factor = preferredFactor > 0 && fitsFullScreen(canvas, output, preferredFactor)
                           ? preferredFactor
                           : largestFactor(canvas, output, true);
    return kuScaler(canvas, output, factor);
}

kuScaler::kuScaler(const sz& canvas) : kuScaler(canvas, canvas, 1) {}

kuScaler::kuScaler(const sz& canvas, const sz& output, int factor)
    : canvas(canvas), output(output),
      factor(factor), origin{std::max(int32_t(output.width - canvas.width * factor) / 2, 0),
                             std::max(int32_t(output.height - canvas.height * factor) / 2, 0)} {}

bool kuScaler::isIdentity() const {
    return factor == 1 && sizeManip::isEqual(canvas, output);
}

kuRectangle kuScaler::canvasArea() const {
    kuRectangle area;
    rectManip::init(area, origin.x, origin.y, canvas.width * factor, canvas.height * factor);
    return area;
}

std::optional<pt> kuScaler::toCanvas(const pt& outputPoint) const {
    if (!rectManip::containsPoint(canvasArea(), outputPoint))
        return std::nullopt;
    return pt{(outputPoint.x - origin.x) / factor, (outputPoint.y - origin.y) / factor};
}

kuRectangle kuScaler::toOutput(const kuRectangle& canvasRect) const {
    kuRectangle whole;
    rectManip::init(whole, 0, 0, canvas.width, canvas.height);
    const kuRectangle part = rectManip::intersection(canvasRect, whole);
    if (rectManip::isEmpty(part))
        return rectManip::zeroRect;
    kuRectangle result;
    rectManip::init(result, origin.x + part.x * factor, origin.y + part.y * factor,
                    part.width * factor, part.height * factor);
    kuRectangle wholeOutput;
    rectManip::init(wholeOutput, 0, 0, output.width, output.height);
    return rectManip::intersection(result, wholeOutput);
}

SDL_Rect kuScaler::copy(SDL_Surface* from, SDL_Surface* to, const kuRectangle& canvasRect) const {
    if (from->format->BytesPerPixel != 4 || to->format->BytesPerPixel != 4)
        kuE::kuRaiseBug("Surfaces are not 32 bits per pixel in kuScaler::copy");
    const kuRectangle target = toOutput(canvasRect);
    if (rectManip::isEmpty(target))
        return toSdlRect(target);
    const int32_t left = (target.x - origin.x) / factor;
    const int32_t top = (target.y - origin.y) / factor;
    const int32_t rows = int32_t(target.height) / factor;
    const size_t rowBytes = target.width * sizeof(Uint32);
    surfaceLock lockFrom(from);
    surfaceLock lockTo(to);
    for (int32_t row = 0; row < rows; ++row) {
        const Uint32* source = pixelRow(from, top + row) + left;
        const int y = target.y + row * factor;
        Uint32* first = pixelRow(to, y) + target.x;
        if (factor == 1) {
            std::memcpy(first, source, rowBytes);
            continue;
        }
        widenRow(source, target.width / uint32_t(factor), first, factor);
        for (int copy = 1; copy < factor; ++copy)
            std::memcpy(pixelRow(to, y + copy) + target.x, first, rowBytes);
    }
    return toSdlRect(target);
}
