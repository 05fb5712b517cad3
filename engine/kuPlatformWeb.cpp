// The browser's side of the platform calls, on Emscripten's SDL layer. That layer keeps every
// surface in a canvas of the page and draws with the canvas's own copying, which ignores
// colour keys: a keyed colour becomes transparent pixels instead. It has no WAV loader, no
// sample converter or mixer and no blocking wait, so those come from kuMediaCodecs and from
// Asyncify's sleep, which hands the browser its turn while the game waits.
#include "kuPlatform.h"

#include "kuExceptions.h"
#include "kuFiles.h"
#include "kuMediaCodecs.h"

#include <emscripten.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace kuPlatform {

namespace {

// How long a wait for an event sleeps between two looks at the queue.
constexpr int eventPollMs = 15;
// How long loading a picture or sound the page still decodes sleeps between two looks.
constexpr int decodedPollMs = 5;
// The layer's buffers are fed from browser timers, too coarse for the desktop's 64 frames.
// Each buffer costs the page a timer and a node of its own: 1024 frames at 22,050 Hz is 46 ms,
// and two of them queued ahead still play a new sound sooner than five of 512 did.
constexpr Uint16 smallestBufferFrames = 1024;
// The canvas pixel layout of the layer's surfaces: red, green, blue, alpha bytes.
constexpr Uint32 redMask = 0x000000ff;
constexpr Uint32 greenMask = 0x0000ff00;
constexpr Uint32 blueMask = 0x00ff0000;
constexpr Uint32 alphaMask = 0xff000000;
constexpr int bytesPerPixel = 4;
constexpr Uint8 opaque = 0xff;
constexpr Uint8 transparent = 0;
constexpr Uint16 samplesPerWavChunk = 4096;
constexpr Uint8 unsignedSilence = 0x80;
// Far above any of the game's pictures and sounds.
constexpr size_t largestMediaFile = size_t(64) << 20;

// Locks the surface for a scope: its canvas is copied into its pixels on entry, and the
// pixels go back into the canvas on exit.
class surfaceLock {
public:
    explicit surfaceLock(SDL_Surface* surface) : surface(surface) { SDL_LockSurface(surface); }
    ~surfaceLock() { SDL_UnlockSurface(surface); }
    surfaceLock(const surfaceLock&) = delete;
    surfaceLock& operator=(const surfaceLock&) = delete;

    Uint8* pixels() const { return static_cast<Uint8*>(surface->pixels); }

private:
    SDL_Surface* surface;
};

// The states of web/quaro-media.js's state.
enum class decodedFile { none = 0, decoding = 1, ready = 2 };

// Whether the page decodes the file, waiting until it has done so if need be.
bool decodedByPage(const char* fileName) {
    const auto state = [fileName] {
        return decodedFile(EM_ASM_INT({ return quaroMedia.state(UTF8ToString($0)); }, fileName));
    };
    if (state() == decodedFile::none)
        return false;
    while (state() == decodedFile::decoding)
        emscripten_sleep(decodedPollMs);
    return true;
}

SDL_Surface* newPictureSurface(int width, int height) {
    SDL_Surface* surface = SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 8 * bytesPerPixel,
                                                redMask, greenMask, blueMask, alphaMask);
    if (surface == nullptr)
        kuE::kuRaiseGeneric("FileLoad", SDL_GetError());
    return surface;
}

// A picture the page decoded from the site's data: its pixels go straight to the surface.
SDL_Surface* loadDecodedPicture(const char* fileName) {
    const int width = EM_ASM_INT({ return quaroMedia.get(UTF8ToString($0)).width; }, fileName);
    const int height = EM_ASM_INT({ return quaroMedia.get(UTF8ToString($0)).height; }, fileName);
    SDL_Surface* surface = newPictureSurface(width, height);
    EM_ASM({ quaroMedia.drawPicture(UTF8ToString($0), SDL.surfaces[$1].ctx); }, fileName, surface);
    return surface;
}

// The whole of a picture or sound file: false when it cannot be read whole.
bool readWhole(const char* fileName, std::vector<uint8_t>& bytes) {
    kuFileRead read = kuReadRegularFile(fileName, largestMediaFile);
    bytes = std::move(read.bytes);
    return read.error.empty() && !read.longer;
}

SDL_Surface* loadBmpPicture(const char* fileName) {
    std::vector<uint8_t> file;
    kuMediaCodecs::rgbPicture picture;
    std::string error;
    if (!readWhole(fileName, file))
        error = "cannot be read";
    else
        kuMediaCodecs::decodeBmp(file, picture, error);
    if (!error.empty())
        kuE::kuRaiseGeneric("FileLoad",
                            (std::string("Couldn't load ") + fileName + ": " + error).c_str());
    SDL_Surface* surface = newPictureSurface(picture.width, picture.height);
    surfaceLock lock(surface);
    Uint8* to = lock.pixels();
    const uint8_t* from = picture.rgb.data();
    for (size_t i = 0; i < size_t(picture.width) * size_t(picture.height); ++i) {
        to[0] = from[0];
        to[1] = from[1];
        to[2] = from[2];
        to[3] = opaque;
        to += bytesPerPixel;
        from += 3;
    }
    return surface;
}

// A buffer of malloc's for a sound's samples, one byte more than they take, so that an empty
// sound still owns one.
Uint8* sampleBuffer(size_t bytes) {
    Uint8* samples = static_cast<Uint8*>(std::malloc(bytes + 1));
    if (samples == nullptr)
        SDL_SetError("Out of memory");
    return samples;
}

// A sound the page decoded from the site's data: its format in sound, its samples returned.
Uint8* loadDecodedSound(const char* fileName, kuMediaCodecs::pcmSound& sound, Uint32* length) {
    sound.rateHz = EM_ASM_INT({ return quaroMedia.get(UTF8ToString($0)).rate; }, fileName);
    sound.channels =
        Uint8(EM_ASM_INT({ return quaroMedia.get(UTF8ToString($0)).channels; }, fileName));
    sound.format = AUDIO_S16LSB;
    const size_t bytes =
        2 *
        size_t(EM_ASM_INT({ return quaroMedia.get(UTF8ToString($0)).samples.length; }, fileName));
    Uint8* samples = sampleBuffer(bytes);
    if (samples == nullptr)
        return nullptr;
    EM_ASM({ quaroMedia.copySound(UTF8ToString($0), $1); }, fileName, samples);
    *length = Uint32(bytes);
    return samples;
}

Uint8* loadWavFile(const char* fileName, kuMediaCodecs::pcmSound& sound, Uint32* length) {
    std::vector<uint8_t> file;
    std::string error;
    if (!readWhole(fileName, file)) {
        SDL_SetError("cannot be read");
        return nullptr;
    }
    if (!kuMediaCodecs::decodeWav(file, sound, error)) {
        SDL_SetError("%s", error.c_str());
        return nullptr;
    }
    Uint8* samples = sampleBuffer(sound.samples.size());
    if (samples == nullptr)
        return nullptr;
    std::memcpy(samples, sound.samples.data(), sound.samples.size());
    *length = Uint32(sound.samples.size());
    return samples;
}

} // namespace

// The layer reads the pads only when the joystick subsystem is asked for at SDL_Init (its
// SDL_InitSubSystem does nothing); a pad connected later is opened by web/quaro-runtime.js.
bool startSdl(Uint32 flags) {
    return SDL_Init(flags | SDL_INIT_JOYSTICK) == 0;
}

bool startHeadless() {
    return SDL_Init(SDL_INIT_VIDEO) == 0;
}

sz desktopSize() {
    return sizeManip::zeroSize;
}

// The site's pictures are decoded by the page (web/quaro-media.js) and never become files;
// any other picture is read from its BMP file.
SDL_Surface* loadPicture(const char* fileName) {
    if (decodedByPage(fileName))
        return loadDecodedPicture(fileName);
    return loadBmpPicture(fileName);
}

void setColourKey(SDL_Surface* surface, Uint8 red, Uint8 green, Uint8 blue) {
    surfaceLock lock(surface);
    Uint8* pixel = lock.pixels();
    for (int i = 0; i < surface->w * surface->h; ++i, pixel += bytesPerPixel)
        if (pixel[0] == red && pixel[1] == green && pixel[2] == blue)
            pixel[3] = transparent;
}

void setEventFilter(int (*)(const SDL_Event*)) {}

int waitEvent(SDL_Event* event) {
    while (!SDL_PollEvent(event))
        emscripten_sleep(eventPollMs);
    return 1;
}

kuHeldKeys heldKeys() {
    return kuHeldKeys(SDL_GetKeyboardState(nullptr));
}

// The browser's layer reports the page's focus and visibility as window events.
bool lostFocus(const SDL_Event& event) {
    return event.type == SDL_WINDOWEVENT && (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST ||
                                             event.window.event == SDL_WINDOWEVENT_HIDDEN);
}

// The layer has one device, which this number stands for.
kuAudioDevice openAudio(SDL_AudioSpec* desired, SDL_AudioSpec* obtained) {
    constexpr kuAudioDevice theDevice = 1;
    SDL_AudioSpec request = *desired;
    if (request.samples < smallestBufferFrames)
        request.samples = smallestBufferFrames;
    if (SDL_OpenAudio(&request, obtained) < 0)
        return 0;
    EM_ASM({ quaroSound.opened(); });
    return theDevice;
}

void pauseAudio(kuAudioDevice, bool paused) {
    SDL_PauseAudio(paused ? 1 : 0);
}

void lockAudio(kuAudioDevice) {
    SDL_LockAudio();
}

void unlockAudio(kuAudioDevice) {
    SDL_UnlockAudio();
}

// The site's sounds are decoded by the page (web/quaro-media.js) to 16-bit samples and never
// become files; any other sound is read from its WAV file.
Uint8* loadWave(const char* fileName, SDL_AudioSpec* spec, Uint32* length) {
    kuMediaCodecs::pcmSound sound;
    Uint8* samples = decodedByPage(fileName) ? loadDecodedSound(fileName, sound, length)
                                             : loadWavFile(fileName, sound, length);
    if (samples == nullptr)
        return nullptr;
    std::memset(spec, 0, sizeof *spec);
    spec->freq = sound.rateHz;
    spec->format = sound.format;
    spec->channels = sound.channels;
    spec->samples = samplesPerWavChunk;
    spec->silence = sound.format == AUDIO_U8 ? unsignedSilence : 0;
    return samples;
}

void freeWave(Uint8* samples) {
    std::free(samples);
}

int buildAudioConverter(SDL_AudioCVT* cvt, Uint16 srcFormat, Uint8 srcChannels, int srcRate,
                        Uint16 dstFormat, Uint8 dstChannels, int dstRate) {
    return kuMediaCodecs::buildConverter(cvt, srcFormat, srcChannels, srcRate, dstFormat,
                                         dstChannels, dstRate);
}

int convertAudio(SDL_AudioCVT* cvt) {
    return kuMediaCodecs::convert(cvt);
}

// The device always runs on signed 16-bit samples: the game asks for them, and the layer
// grants the format it is asked for.
void mixAudio(Uint8* dst, const Uint8* src, Uint32 len, int volume) {
    kuMediaCodecs::mixS16(dst, src, len, volume);
}

// The folder is the browser's database once the page has mounted it (web/quaro-page.js);
// copying is asynchronous, and a failure only costs the copy, so it is reported and dropped.
void savedFilesChanged() {
    EM_ASM({
        FS.syncfs(
            false, function(error) {
                if (error)
                    err('Could not keep the saved files: ' + error);
            });
    });
}

bool settingsKeptWithSaves() {
    return true;
}

std::string pageAddress() {
    const int length = EM_ASM_INT({ return lengthBytesUTF8(location.origin + location.pathname); });
    std::string address(size_t(length) + 1, '\0');
    EM_ASM({ stringToUTF8(location.origin + location.pathname, $0, $1); }, address.data(),
           length + 1);
    address.resize(size_t(length));
    return address;
}

// The page copies with its own command, which it may refuse; it then shows the text instead.
bool copyText(const std::string& text) {
    return EM_ASM_INT({ return quaroShare.copyText(UTF8ToString($0)); }, text.c_str()) != 0;
}

} // namespace kuPlatform
