// Feeds arbitrary bytes to the high-score table as the contents of "Save/Highscore.hs": the
// table it reads must be drawable, and the save that follows must write a whole table.
#include "quaroHighScore.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

bool drawable(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == ' ' || (c >= 123 && c <= 127);
}

long savedSize() {
    struct stat info;
    return stat(quaroHighScore::fileName, &info) == 0 ? long(info.st_size) : -1;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The table lives relative to the working directory: give the fuzzer a folder of its own.
    char folder[] = "/tmp/quaro-fuzz-XXXXXX";
    if (mkdtemp(folder) == nullptr || chdir(folder) != 0)
        std::abort();
    mkdir(quaroHighScore::folderName, 0777);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (std::FILE* file = std::fopen(quaroHighScore::fileName, "wb")) {
        std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
    {
        quaroHighScore table;
        for (int i = 0; i < quaroHighScore::rowCount; ++i) {
            const char* name = table.getSlotName(i);
            if (std::strlen(name) > size_t(quaroHighScore::nameLength))
                std::abort();
            for (const char* c = name; *c != '\0'; ++c)
                if (!drawable(static_cast<unsigned char>(*c)))
                    std::abort();
        }
        const int minutes = size > 0 ? data[0] % 12 : 0;
        const int seconds = size > 1 ? data[1] % 60 : 0;
        if (table.isRecord(minutes, seconds) != -1)
            table.enterRecord("fuzz", minutes, seconds);
    }
    if (savedSize() != 260)
        std::abort();
    return 0;
}
