#include "quaroRunLink.h"

#include "kuFiles.h"

#include <array>
#include <cstring>

const char* const quaroRunLink::marker = "#run=";

namespace {

const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";
constexpr int bitsPerCharacter = 6;
constexpr int noValue = -1;

std::array<int, 256> valuesOfCharacters() {
    std::array<int, 256> values;
    values.fill(noValue);
    for (int i = 0; i < 64; ++i)
        values[uint8_t(alphabet[i])] = i;
    return values;
}

int valueOf(char c) {
    static const std::array<int, 256> values = valuesOfCharacters();
    return values[uint8_t(c)];
}

bool inAlphabet(const std::string& text) {
    for (char c : text)
        if (valueOf(c) == noValue)
            return false;
    return !text.empty();
}

} // namespace

namespace quaroRunLink {

std::string base64url(const std::vector<uint8_t>& bytes) {
    std::string text;
    uint32_t bits = 0;
    int held = 0;
    for (uint8_t byte : bytes) {
        bits = bits << 8 | byte;
        held += 8;
        while (held >= bitsPerCharacter) {
            held -= bitsPerCharacter;
            text += alphabet[(bits >> held) & 0x3f];
        }
    }
    if (held > 0)
        text += alphabet[(bits << (bitsPerCharacter - held)) & 0x3f];
    return text;
}

std::optional<std::vector<uint8_t>> fromBase64url(const std::string& code) {
    // A last group of one character would carry less than a byte.
    if (code.size() % 4 == 1)
        return std::nullopt;
    std::vector<uint8_t> bytes;
    uint32_t bits = 0;
    int held = 0;
    for (char c : code) {
        const int value = valueOf(c);
        if (value == noValue)
            return std::nullopt;
        bits = bits << bitsPerCharacter | uint32_t(value);
        held += bitsPerCharacter;
        if (held >= 8) {
            held -= 8;
            bytes.push_back(uint8_t(bits >> held));
        }
    }
    return bytes;
}

std::string code(const quaroRecording& run) {
    return base64url(run.encode());
}

std::string link(const quaroRecording& run, const std::string& pageAddress) {
    return pageAddress.empty() ? code(run) : pageAddress + marker + code(run);
}

bool namesLink(const std::string& argument) {
    if (argument.find(marker) != std::string::npos)
        return true;
    return inAlphabet(argument) && kuReadRegularFile(argument, 0).missing;
}

std::optional<quaroRecording> load(const std::string& linkOrCode, std::string& problem) {
    const size_t at = linkOrCode.find(marker);
    std::string text =
        at == std::string::npos ? linkOrCode : linkOrCode.substr(at + std::strlen(marker));
    // Whatever a page or a mail program added after the code.
    const size_t end = text.find_first_of("&#?/ \t\r\n");
    if (end != std::string::npos)
        text.resize(end);
    std::string why;
    std::optional<quaroRecording> run;
    const std::optional<std::vector<uint8_t>> bytes = fromBase64url(text);
    if (!bytes || bytes->empty())
        why = "it does not hold a run's code";
    else if (bytes->size() > quaroRecording::maxFileBytes)
        why = "an absurd length (over " + std::to_string(quaroRecording::maxFileBytes) + " bytes)";
    else
        run = quaroRecording::playable(bytes->data(), bytes->size(), why);
    if (!run)
        problem = "the run of the link: " + why;
    return run;
}

} // namespace quaroRunLink
