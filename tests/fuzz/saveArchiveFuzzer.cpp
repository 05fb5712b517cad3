// Feeds arbitrary bytes to the importer of saved games, and the codes of shared runs to their
// decoder: an archive is refused with a reason or gives files the game can read, which encode
// to the same bytes again (an archive of an older version, to the same files); a code either
// decodes to bytes that encode back to it or is refused.
#include "quaroRunLink.h"
#include "quaroSaveArchive.h"

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string problem;
    const auto files = quaroSaveArchive::decode(data, size, problem);
    if (!files && problem.empty())
        std::abort();
    if (files) {
        const std::vector<uint8_t> again = quaroSaveArchive::encode(*files);
        const bool current = data[4] == quaroSaveArchive::version;
        if (current && again != std::vector<uint8_t>(data, data + size))
            std::abort();
        std::string none;
        if (quaroSaveArchive::decode(again.data(), again.size(), none) != files)
            std::abort();
    }

    const std::string code(reinterpret_cast<const char*>(data), size);
    const auto bytes = quaroRunLink::fromBase64url(code);
    if (bytes && quaroRunLink::base64url(*bytes) != code) {
        // Only the unused low bits of a last character may differ.
        const auto again = quaroRunLink::fromBase64url(quaroRunLink::base64url(*bytes));
        if (!again || *again != *bytes)
            std::abort();
    }
    quaroRunLink::load(code, problem);
    return 0;
}
