#include "bmpFile.h"

#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <vector>

namespace {

constexpr int fileHeaderBytes = 14;
constexpr int infoHeaderBytes = 40;
constexpr int bitsPerPixel = 24;
constexpr int pixelsPerMetre = 2835; // 72 dots per inch

void put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}

void put32(std::vector<uint8_t>& out, uint32_t v) {
    put16(out, v & 0xffff);
    put16(out, v >> 16);
}

rgba keyedColour(rgba p) {
    if (p.a == 0)
        return keyColour;
    p.a = 255;
    if (p == keyColour)
        p.b = uint8_t(keyColour.b + 1);
    return p;
}

void writeBmp(const std::string& path, const Picture& picture, bool keyed) {
    const int rowBytes = (picture.width() * 3 + 3) / 4 * 4;
    const uint32_t imageBytes = uint32_t(rowBytes) * picture.height();
    std::vector<uint8_t> out;
    out.reserve(fileHeaderBytes + infoHeaderBytes + imageBytes);
    out.push_back('B');
    out.push_back('M');
    put32(out, fileHeaderBytes + infoHeaderBytes + imageBytes);
    put32(out, 0);
    put32(out, fileHeaderBytes + infoHeaderBytes);
    put32(out, infoHeaderBytes);
    put32(out, picture.width());
    put32(out, picture.height()); // positive: rows are stored bottom-up
    put16(out, 1);
    put16(out, bitsPerPixel);
    put32(out, 0); // no compression
    put32(out, imageBytes);
    put32(out, pixelsPerMetre);
    put32(out, pixelsPerMetre);
    put32(out, 0);
    put32(out, 0);
    for (int y = picture.height() - 1; y >= 0; --y) {
        for (int x = 0; x < picture.width(); ++x) {
            const rgba p = keyed ? keyedColour(picture.at(x, y)) : picture.at(x, y);
            out.push_back(p.b);
            out.push_back(p.g);
            out.push_back(p.r);
        }
        for (int pad = picture.width() * 3; pad < rowBytes; ++pad)
            out.push_back(0);
    }
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(out.data()), std::streamsize(out.size()));
    if (!file)
        throw std::runtime_error("cannot write " + path);
}

} // namespace

void writeOpaqueBmp(const std::string& path, const Picture& picture) {
    writeBmp(path, picture, false);
}

void writeKeyedBmp(const std::string& path, const Picture& picture) {
    writeBmp(path, picture, true);
}
