// Feeds arbitrary bytes to the loader of recorded runs: it refuses them with a reason or gives
// a recording whose every frame can be read, which encodes to a file that decodes to the same
// recording again. The header alone is given exactly when the recording is, for the same
// reason when it is not, and says what the recording holds.
#include "quaroRecording.h"

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string problem;
    const std::optional<quaroRecording> run = quaroRecording::decode(data, size, problem);
    std::string headerProblem;
    const std::optional<quaroRecording::header> header =
        quaroRecording::decodeHeader(data, size, headerProblem);
    if (header.has_value() != run.has_value() || headerProblem != problem)
        std::abort();
    if (!run) {
        if (problem.empty())
            std::abort();
        return 0;
    }
    if (header->seed != run->seed() || header->rules != run->rules() ||
        header->frameCount != run->frameCount() || header->name != run->name() ||
        header->minutes != run->minutes() || header->seconds != run->seconds())
        std::abort();
    if (run->frameCount() == 0 || run->frameCount() > quaroRecording::maxFrames ||
        run->name().size() > quaroRecording::maxNameLength || run->minutes() > 59 ||
        run->seconds() > 59)
        std::abort();
    const std::vector<uint8_t> again = run->encode();
    const std::optional<quaroRecording> back =
        quaroRecording::decode(again.data(), again.size(), problem);
    if (!back || back->seed() != run->seed() || back->rules() != run->rules() ||
        back->name() != run->name() || back->minutes() != run->minutes() ||
        back->seconds() != run->seconds() || back->frameCount() != run->frameCount() ||
        back->assistsUsed().speed != run->assistsUsed().speed ||
        back->assistsUsed().lives != run->assistsUsed().lives)
        std::abort();
    for (uint32_t i = 0; i < run->frameCount(); ++i)
        if (back->frame(i) != run->frame(i))
            std::abort();
    return 0;
}
