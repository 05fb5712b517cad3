// Feeds arbitrary bytes to the high-score table as the contents of "Save/Highscore.hs": the
// table it reads must be drawable and within 59:59, a look must leave the file alone, and a
// record must write a whole table.
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
    // The table names damaged files on standard output; libFuzzer reports on standard error.
    if (std::freopen("/dev/null", "w", stdout) == nullptr)
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (std::FILE* file = std::fopen(quaroHighScore::fileName, "wb")) {
        std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
    const int minutes = size > 0 ? data[0] % 12 : 0;
    const int seconds = size > 1 ? data[1] % 60 : 0;
    bool entered = false;
    {
        quaroHighScore table;
        for (int i = 0; i < quaroHighScore::rowCount; ++i) {
            const char* name = table.getSlotName(i);
            if (std::strlen(name) > size_t(quaroHighScore::nameLength))
                std::abort();
            for (const char* c = name; *c != '\0'; ++c)
                if (!drawable(static_cast<unsigned char>(*c)))
                    std::abort();
            if (table.getSlotMinutes(i) > 59 || table.getSlotSeconds(i) > 59)
                std::abort();
        }
        if (table.isRecord(minutes, seconds) != -1)
            table.enterRecord("fuzz", minutes, seconds);
        // A damaged file may hold its rows out of order, where a place is found but the row
        // does not enter.
        for (int i = 0; i < quaroHighScore::rowCount; ++i)
            entered = entered || std::strcmp(table.getSlotName(i), "fuzz") == 0;
        table.save();
    }
    // A look leaves the file as it was; a record replaces it with a whole table and keeps a
    // file that could not be read whole beside it.
    if (savedSize() != (entered ? 260 : long(size)))
        std::abort();
    if (entered && size < 260 &&
        std::remove((std::string(quaroHighScore::fileName) + ".damaged").c_str()) != 0)
        std::abort();
    return 0;
}
