#include "kuSystem.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace kuSystem {

Uint32 ticks() {
    return SDL_GetTicks();
}

void sleep(Uint32 milliseconds) {
    SDL_Delay(milliseconds);
}

std::string homeFolder() {
    const char* variable = std::getenv("HOME");
    const std::string home = variable != nullptr ? variable : "";
    if (fs::path(home).is_absolute())
        return home;
    const passwd* user = getpwuid(getuid());
    if (user != nullptr && user->pw_dir != nullptr && *user->pw_dir != '\0')
        return user->pw_dir;
    return home;
}

std::string executableFolder() {
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    return error ? "" : executable.parent_path().string();
}

std::string currentFolder() {
    std::error_code error;
    const fs::path current = fs::current_path(error);
    return error ? "." : current.string();
}

bool isFolder(const std::string& path) {
    std::error_code ignored;
    return fs::is_directory(path, ignored);
}

} // namespace kuSystem
