// Each case runs in a child process of its own, which starts SDL (whose own handlers the
// unit replaces, as in the game), installs the handlers, sends itself signals and then either
// closes as the game does or hangs. The parent sees how it ended and what it said.
#include "kuCloseSignals.h"
#include "tempDir.h"

#include <SDL.h>

#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr unsigned longGraceMs = 60000; // never reached by a case that closes or is ended
constexpr unsigned shortGraceMs = 100;
constexpr unsigned childAlarmSeconds = 30; // a case that neither closes nor is ended fails

enum class then { closes, hangs, savesWhileEnding, startsASaveWhileEnding };

struct signalCase {
    const char* what;
    std::vector<int> signals;
    then after;
    unsigned graceMs;
    int endedBy; // 0: the child exited with status 0
    const char* says;
    bool saveFinished;
};

void waitForQuitEvent() {
    SDL_Event event;
    while (SDL_WaitEvent(&event) == 1 && event.type != SDL_QUIT) {
    }
}

void waitUntilEnding() {
    while (!kuCloseSignals::ending())
        sched_yield();
}

[[noreturn]] void runChild(const signalCase& c, const std::string& saved) {
    alarm(childAlarmSeconds);
    if (SDL_Init(SDL_INIT_VIDEO) != 0)
        _exit(3);
    {
        const kuCloseSignals signals(c.graceMs);
        switch (c.after) {
        case then::closes:
            for (int signal : c.signals)
                raise(signal);
            waitForQuitEvent();
            break;
        case then::hangs:
            for (int signal : c.signals)
                raise(signal);
            for (;;)
                pause();
        case then::savesWhileEnding: {
            const kuSaveUnderWay saving;
            for (int signal : c.signals)
                raise(signal);
            waitUntilEnding();
            std::ofstream(saved) << "whole";
            break;
        }
        case then::startsASaveWhileEnding:
            for (int signal : c.signals)
                raise(signal);
            waitUntilEnding();
            {
                const kuSaveUnderWay saving;
                std::ofstream(saved) << "whole";
            }
            break;
        }
        // The game ends by itself only when it closes; the others wait to be ended.
        while (c.after != then::closes)
            pause();
    }
    _exit(0);
}

class CloseSignals : public ::testing::TestWithParam<signalCase> {};

} // namespace

TEST_P(CloseSignals, EndTheGameAsAskedAndNeverDuringASave) {
    const signalCase& c = GetParam();
    TempDir dir;
    const std::string said = dir.file("stderr");
    const std::string saved = dir.file("saved");
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::FILE* log = std::freopen(said.c_str(), "w", stderr);
        if (log == nullptr)
            _exit(4);
        runChild(c, saved);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    std::ifstream in(said);
    const std::string text(std::istreambuf_iterator<char>(in), {});
    if (c.endedBy == 0) {
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status << " " << text;
    } else {
        ASSERT_TRUE(WIFSIGNALED(status)) << status << " " << text;
        EXPECT_EQ(WTERMSIG(status), c.endedBy);
    }
    if (*c.says != '\0') {
        EXPECT_NE(text.find(c.says), std::string::npos) << text;
    }
    EXPECT_EQ(std::filesystem::exists(saved), c.saveFinished);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CloseSignals,
    ::testing::Values(signalCase{"termCloses", {SIGTERM}, then::closes, longGraceMs, 0, "", false},
                      signalCase{"intCloses", {SIGINT}, then::closes, longGraceMs, 0, "", false},
                      signalCase{
                          "hupClosesLikeTerm", {SIGHUP}, then::closes, longGraceMs, 0, "", false},
                      signalCase{"aHungGameEndsAfterItsGrace",
                                 {SIGTERM},
                                 then::hangs,
                                 shortGraceMs,
                                 SIGTERM,
                                 "the game did not close within 100 ms",
                                 false},
                      signalCase{"aSecondSignalEndsAtOnce",
                                 {SIGINT, SIGTERM},
                                 then::hangs,
                                 longGraceMs,
                                 SIGINT,
                                 "a second request to close",
                                 false},
                      signalCase{"aSaveUnderWayFinishesFirst",
                                 {SIGTERM, SIGTERM},
                                 then::savesWhileEnding,
                                 longGraceMs,
                                 SIGTERM,
                                 "",
                                 true},
                      signalCase{"noSaveStartsOnceTheEndIsDue",
                                 {SIGHUP, SIGHUP},
                                 then::startsASaveWhileEnding,
                                 longGraceMs,
                                 SIGHUP,
                                 "",
                                 false}),
    [](const ::testing::TestParamInfo<signalCase>& info) { return info.param.what; });
