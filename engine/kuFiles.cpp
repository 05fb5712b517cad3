#include "kuFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

SDL_RWops* kuOpenRegularFile(const char* fileName) {
    // Without O_NONBLOCK, opening a FIFO waits for a writer.
    const int fd = open(fileName, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        SDL_SetError("%s", std::strerror(errno));
        return nullptr;
    }
    struct stat info;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(fd);
        SDL_SetError("not a regular file");
        return nullptr;
    }
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    std::FILE* file = fdopen(fd, "rb");
    if (file == nullptr) {
        SDL_SetError("%s", std::strerror(errno));
        close(fd);
        return nullptr;
    }
    SDL_RWops* stream = SDL_RWFromFP(file, 1);
    if (stream == nullptr)
        std::fclose(file);
    return stream;
}

std::string kuLoadFailure(const char* fileName) {
    return std::string("Couldn't load ") + fileName + ": " + SDL_GetError();
}
