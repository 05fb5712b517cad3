/* The start-up clock: starts a program and prints the milliseconds until its first picture is on
 * the X screen. The picture is the one the screen settles on (unchanged for half a second, and
 * more than a uniform fill: a window manager maps an empty window, and may frame it, before the
 * program draws), and the figure is when it first appeared. One connection to the server reads
 * the screen's middle row and middle column every millisecond, so the look costs the program
 * under test next to nothing, where a new screenshot process for every look would take a core
 * from it. The program is killed once its picture has settled; its output goes nowhere.
 * Usage: firstFrame PROGRAM [ARGUMENT...] (DISPLAY names the server) */
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <fcntl.h>
#include <signal.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static const double settledMs = 500;
static const double givenUpMs = 10000;

static double nowMs(void) {
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

/* What a look saw: a hash of the pixels, and whether they hold more than two colours. */
struct look {
    uint64_t hash;
    int picture;
};

static void addPixels(XImage* image, struct look* seen, uint32_t firstColours[2], int* colours) {
    for (int y = 0; y < image->height; ++y)
        for (int x = 0; x < image->width; ++x) {
            const uint32_t pixel = (uint32_t)XGetPixel(image, x, y);
            seen->hash = (seen->hash ^ pixel) * 1099511628211u; /* FNV-1a, a pixel a step */
            if (*colours < 2 && (*colours == 0 || firstColours[0] != pixel))
                firstColours[(*colours)++] = pixel;
            else if (firstColours[0] != pixel && firstColours[1] != pixel)
                seen->picture = 1;
        }
}

/* The screen's middle row and middle column. */
static struct look lookAtScreen(Display* display) {
    const int width = DisplayWidth(display, DefaultScreen(display));
    const int height = DisplayHeight(display, DefaultScreen(display));
    const int rectangles[2][4] = {{0, height / 2, width, 1}, {width / 2, 0, 1, height}};
    struct look seen = {14695981039346656037u, 0};
    uint32_t firstColours[2];
    int colours = 0;
    for (int i = 0; i < 2; ++i) {
        const int* r = rectangles[i];
        XImage* image = XGetImage(display, DefaultRootWindow(display), r[0], r[1], r[2], r[3],
                                  AllPlanes, ZPixmap);
        if (image == NULL)
            return (struct look){0, 0};
        addPixels(image, &seen, firstColours, &colours);
        XDestroyImage(image);
    }
    return seen;
}

int main(int argc, char** argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: firstFrame PROGRAM [ARGUMENT...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(NULL);
    if (display == NULL) {
        fprintf(stderr, "firstFrame: no X server\n");
        return 2;
    }

    const double start = nowMs();
    const pid_t program = fork();
    if (program == 0) {
        /* The program's own output would mix with the figure. */
        const int nowhere = open("/dev/null", O_WRONLY);
        dup2(nowhere, STDOUT_FILENO);
        dup2(nowhere, STDERR_FILENO);
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    const struct timespec aMillisecond = {0, 1000000};
    struct look shown = {0, 0};
    double shownSince = 0;
    int result = 1;
    for (;;) {
        const struct look seen = lookAtScreen(display);
        const double now = nowMs() - start;
        if (seen.hash != shown.hash) {
            shown = seen;
            shownSince = now;
        } else if (shown.picture && now - shownSince >= settledMs) {
            printf("%.0f\n", shownSince);
            result = 0;
            break;
        }
        if (now > givenUpMs) {
            fprintf(stderr, "firstFrame: no picture settled in %.0f ms\n", givenUpMs);
            break;
        }
        if (waitpid(program, NULL, WNOHANG) == program) {
            fprintf(stderr, "firstFrame: %s ended before its picture settled\n", argv[1]);
            XCloseDisplay(display);
            return 1;
        }
        nanosleep(&aMillisecond, NULL);
    }
    kill(program, SIGKILL);
    waitpid(program, NULL, 0);
    XCloseDisplay(display);
    return result;
}
