#include "kuImagesImpl.h"

#include "kuExceptions.h"
#include "kuPlatform.h"

#include <cstdio>
#include <cstring>

kuImagePool* globalPool = nullptr;

kuImagePool::kuImagePool() = default;

kuImagePool::~kuImagePool() {
    for (slot& s : slots) {
        if (s.surface == nullptr)
            continue;
        std::printf("File named %s not freed. References: %ld\n", s.fileName.c_str(),
                    long(s.references));
        while (s.surface != nullptr)
            freeSurface(s.surface);
    }
}

SDL_Surface* kuImagePool::loadBMP(const char* fileName) {
    slot* firstFree = nullptr;
    for (slot& s : slots) {
        if (s.surface == nullptr) {
            if (firstFree == nullptr)
                firstFree = &s;
        } else if (std::strcmp(s.fileName.c_str(), fileName) == 0) {
            ++s.references;
            return s.surface;
        }
    }
    if (firstFree == nullptr)
        kuE::kuRaiseGeneric("IMAGEPOOL",
                            "No more imageslots available for a new image in kuImagePool!");
    std::string name(fileName); // copied before loading, so a failed copy holds nothing
    SDL_Surface* loaded = kuPlatform::loadPicture(fileName);
    firstFree->surface = loaded;
    firstFree->fileName = std::move(name);
    firstFree->references = 1;
    return loaded;
}

void kuImagePool::freeSurface(SDL_Surface* surface) {
    if (surface == nullptr)
        kuE::kuRaiseBug("Trying to free NULL surface in kuImagePool!");
    for (slot& s : slots) {
        if (s.surface != surface)
            continue;
        if (s.references > 1) {
            --s.references;
            return;
        }
        SDL_FreeSurface(s.surface);
        s.surface = nullptr;
        s.fileName.clear();
        return;
    }
    kuE::kuRaiseBug("Trying to free unallocated surface in kuImagePool!");
}
