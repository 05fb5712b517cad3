// A signal handler may do almost nothing safely: it writes the signal's number into a pipe.
// A thread of its own reads the pipe, hands the first signal to the game through SDL's event
// queue (which any thread may fill) and ends the process when the second signal or the end of
// the grace period comes, once no save is under way.
#include "kuCloseSignals.h"

#include "kuSdl.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <csignal>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>

namespace {

constexpr int closeSignals[] = {SIGTERM, SIGINT, SIGHUP};
const char* const closeSignalNames[] = {"SIGTERM", "SIGINT", "SIGHUP"};
constexpr int signalCount = sizeof closeSignals / sizeof closeSignals[0];
constexpr unsigned char stopWatching = 0; // no signal has the number 0

// What the handler needs is process-wide by nature: there is one handler per signal.
int wakePipe[2] = {-1, -1};
struct sigaction previous[signalCount];
std::thread watcher;

std::mutex savesLock;
std::condition_variable savesDone;
int savesUnderWay = 0;
std::atomic<bool> endDue{false};

void onSignal(int signal) {
    const int savedErrno = errno;
    const unsigned char number = static_cast<unsigned char>(signal);
    if (write(wakePipe[1], &number, 1) < 0) {
        // A full pipe already holds more signals than the watcher needs.
    }
    errno = savedErrno;
}

// The next signal's number, stopWatching, or -1 when the wait ran out (timeoutMs, -1 for
// none).
int nextSignal(int timeoutMs) {
    pollfd readable = {wakePipe[0], POLLIN, 0};
    for (;;) {
        const int ready = poll(&readable, 1, timeoutMs);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return -1;
        unsigned char number = stopWatching;
        const ssize_t got = read(wakePipe[0], &number, 1);
        if (got < 0 && errno == EINTR)
            continue;
        return got == 1 ? number : stopWatching;
    }
}

std::string nameOf(int signal) {
    for (int i = 0; i < signalCount; ++i)
        if (closeSignals[i] == signal)
            return closeSignalNames[i];
    return "signal " + std::to_string(signal);
}

void say(const std::string& line) {
    // Not through stdio, whose lock the stuck thread may hold.
    const std::string text = line + "\n";
    if (write(STDERR_FILENO, text.data(), text.size()) < 0) {
        // Nothing else to tell it on.
    }
}

[[noreturn]] void endNow(int signal, const std::string& why) {
    {
        std::unique_lock<std::mutex> lock(savesLock);
        endDue = true;
        savesDone.wait(lock, [] { return savesUnderWay == 0; });
        say("Ending at once on " + nameOf(signal) + ": " + why);
        // Killed by the signal, as its sender expects, with no handler in the way.
        std::signal(signal, SIG_DFL);
        sigset_t only;
        sigemptyset(&only);
        sigaddset(&only, signal);
        pthread_sigmask(SIG_UNBLOCK, &only, nullptr);
        raise(signal);
    }
    _exit(128 + signal);
}

void watch(unsigned graceMs) {
    const int first = nextSignal(-1);
    if (first <= stopWatching)
        return;
    SDL_Event quit = {};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    const int second = nextSignal(int(graceMs));
    if (second == stopWatching)
        return;
    endNow(first, second > 0 ? std::string("a second request to close")
                             : "the game did not close within " + std::to_string(graceMs) + " ms");
}

} // namespace

kuCloseSignals::kuCloseSignals(unsigned graceMs) {
    if (pipe2(wakePipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    // The watcher blocks in poll, not in read.
    fcntl(wakePipe[0], F_SETFL, fcntl(wakePipe[0], F_GETFL) & ~O_NONBLOCK);
    watcher = std::thread(watch, graceMs);
    struct sigaction handler = {};
    handler.sa_handler = onSignal;
    sigemptyset(&handler.sa_mask);
    handler.sa_flags = SA_RESTART;
    for (int i = 0; i < signalCount; ++i)
        sigaction(closeSignals[i], &handler, &previous[i]);
}

kuCloseSignals::~kuCloseSignals() {
    if (!watcher.joinable())
        return;
    for (int i = 0; i < signalCount; ++i)
        sigaction(closeSignals[i], &previous[i], nullptr);
    const unsigned char stop = stopWatching;
    if (write(wakePipe[1], &stop, 1) == 1)
        watcher.join();
    else
        watcher.detach();
    close(wakePipe[0]);
    close(wakePipe[1]);
    wakePipe[0] = wakePipe[1] = -1;
}

bool kuCloseSignals::ending() {
    return endDue;
}

kuSaveUnderWay::kuSaveUnderWay() {
    std::unique_lock<std::mutex> lock(savesLock);
    // Once the end is due, no save starts (the process ends meanwhile); a part of a save
    // already under way goes on.
    savesDone.wait(lock, [] { return !endDue || savesUnderWay > 0; });
    ++savesUnderWay;
}

kuSaveUnderWay::~kuSaveUnderWay() {
    std::lock_guard<std::mutex> lock(savesLock);
    if (--savesUnderWay == 0)
        savesDone.notify_all();
}
