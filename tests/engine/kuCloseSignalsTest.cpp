// Each case runs in a child process that starts SDL (whose own handlers the unit replaces, as
// in the game), installs the handlers, and sends itself signals; the parent sees how it ended.
// The real game, stuck or not, meets the signals in tests/e2e/closing.sh.
#include "kuCloseSignals.h"
#include "tempDir.h"

#include <SDL.h>

#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <optional>

namespace {

enum class then { closes, savesWhileEnding, startsASaveWhileEnding, staysStuck };

struct signalCase {
    const char* what;
    int signal; // sent twice but when the game closes or stays stuck
    then after;
    bool saved; // the save the child makes is on disk
};

[[noreturn]] void runChild(const signalCase& c, const std::string& saved) {
    alarm(30); // a child that neither closes nor is ended fails
    if (SDL_Init(SDL_INIT_VIDEO) != 0)
        _exit(3);
    {
        // The grace ends only the case that never reads its events.
        const kuCloseSignals signals(c.after == then::staysStuck ? 200 : 60000);
        if (c.after == then::staysStuck) {
            raise(c.signal);
            for (;;)
                pause();
        } else if (c.after == then::closes) {
            raise(c.signal);
            SDL_Event event;
            while (SDL_WaitEvent(&event) == 1 && event.type != SDL_QUIT) {
            }
        } else {
            std::optional<kuSaveUnderWay> underWay;
            if (c.after == then::savesWhileEnding)
                underWay.emplace();
            raise(c.signal);
            raise(c.signal);
            while (!kuCloseSignals::ending())
                sched_yield();
            const kuSaveUnderWay saving; // nested in the save under way, or never made
            std::ofstream(saved) << "whole";
        }
    }
    _exit(c.after == then::closes ? 0 : 5);
}

class CloseSignals : public ::testing::TestWithParam<signalCase> {};

} // namespace

TEST_P(CloseSignals, CloseTheGameAndNeverEndItDuringASave) {
    const signalCase& c = GetParam();
    TempDir dir;
    const std::string saved = dir.file("saved");
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0)
        runChild(c, saved);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    if (c.after == then::closes) {
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    } else {
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == c.signal) << status;
    }
    EXPECT_EQ(std::filesystem::exists(saved), c.saved);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CloseSignals,
    ::testing::Values(
        signalCase{"hupClosesLikeTerm", SIGHUP, then::closes, false},
        signalCase{"aSaveUnderWayFinishesFirst", SIGTERM, then::savesWhileEnding, true},
        signalCase{"noSaveStartsOnceTheEndIsDue", SIGINT, then::startsASaveWhileEnding, false},
        signalCase{"aStuckGameEndsAfterTheGrace", SIGTERM, then::staysStuck, false}),
    [](const ::testing::TestParamInfo<signalCase>& info) { return info.param.what; });
