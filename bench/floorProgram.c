/* The floor the game's whole-process figures are measured against: a bare SDL 1.2 program
 * that opens the game's 760 x 520 full screen at 32 bits and its audio device (22050 Hz,
 * 64-frame buffers, a silent callback) and updates ten 44 x 44 rectangles every 66 ms,
 * nothing else. Options: --seconds N (default 20), --no-video, --no-audio, --window (a
 * 760 x 520 window instead of the full screen). */
#include <SDL.h>

#include <stdlib.h>
#include <string.h>

static void silence(void* userdata, Uint8* stream, int len) {
    (void)userdata;
    (void)stream;
    (void)len; /* SDL hands the callback a buffer of silence already */
}

int main(int argc, char** argv) {
    int seconds = 20, video = 1, audio = 1;
    Uint32 mode = SDL_FULLSCREEN;
    for (int i = 1; i < argc; ++i) {
        if (strcmp(argv[i], "--seconds") == 0 && i + 1 < argc)
            seconds = atoi(argv[++i]);
        else if (strcmp(argv[i], "--no-video") == 0)
            video = 0;
        else if (strcmp(argv[i], "--no-audio") == 0)
            audio = 0;
        else if (strcmp(argv[i], "--window") == 0)
            mode = 0;
    }
    if (SDL_Init((video ? SDL_INIT_VIDEO : 0) | (audio ? SDL_INIT_AUDIO : 0) | SDL_INIT_TIMER) < 0)
        return 2;
    SDL_Surface* screen = NULL;
    if (video && (screen = SDL_SetVideoMode(760, 520, 32, mode)) == NULL)
        return 2;
    if (audio) {
        SDL_AudioSpec wanted = {0}, granted;
        wanted.freq = 22050;
        wanted.format = AUDIO_S16LSB;
        wanted.channels = 2;
        wanted.samples = 64;
        wanted.callback = silence;
        if (SDL_OpenAudio(&wanted, &granted) < 0)
            return 2;
        SDL_PauseAudio(0);
    }
    const Uint32 end = SDL_GetTicks() + 1000u * (Uint32)seconds;
    for (int frame = 0; SDL_GetTicks() < end; ++frame) {
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
        }
        if (screen != NULL)
            for (int i = 0; i < 10; ++i) {
                SDL_Rect r = {(Sint16)(60 * i + frame % 40), (Sint16)(40 + 40 * i), 44, 44};
                SDL_FillRect(screen, &r, SDL_MapRGB(screen->format, 40 * i, frame, 200));
                SDL_UpdateRect(screen, r.x, r.y, r.w, r.h);
            }
        SDL_Delay(66);
    }
    SDL_Quit();
    return 0;
}
