// A reference-counted cache of loaded surfaces keyed by file name, with 128 slots. A slot is
// free exactly when its surface is null; a second request for a loaded name shares it.
#pragma once

#include "kuSdl.h"

#include <cstdint>
#include <string>

class kuImagePool {
public:
    static constexpr int slotCount = 128;

    kuImagePool();
    // Reports and releases every slot still in use.
    virtual ~kuImagePool();
    kuImagePool(const kuImagePool&) = delete;
    kuImagePool& operator=(const kuImagePool&) = delete;

    // The surface for the file, loaded on its first request; the pool keeps ownership.
    SDL_Surface* loadBMP(const char* fileName);
    // Gives back one reference; the last one frees the surface and the slot.
    void freeSurface(SDL_Surface* surface);

private:
    struct slot {
        SDL_Surface* surface = nullptr;
        std::string fileName;
        int32_t references = 0;
    };
    slot slots[slotCount];
};

// The one pool of the process: created by kuScreen::open, deleted by kuScreen::close.
extern kuImagePool* globalPool;
