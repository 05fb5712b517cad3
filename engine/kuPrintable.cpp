#include "kuPrintable.h"

#include <cstdio>

namespace {

constexpr unsigned char firstPrintable = 0x20;
constexpr unsigned char deleteCode = 0x7f;
constexpr char32_t lastC1 = 0x9f;
constexpr char32_t lastCodePoint = 0x10ffff;
constexpr char32_t firstSurrogate = 0xd800;
constexpr char32_t lastSurrogate = 0xdfff;

// The length of the well-formed UTF-8 sequence of a printable character at `at`, or 0.
size_t printableSequence(const std::string& text, size_t at) {
    const unsigned char lead = static_cast<unsigned char>(text[at]);
    // The lead byte gives the length, its own bits of the code and the smallest code that
    // needs that length (anything below is an overlong form).
    struct form {
        unsigned char first, last;
        size_t length;
        unsigned char bits;
        char32_t smallest;
    };
    static const form forms[] = {
        {0xc2, 0xdf, 2, 0x1f, 0x80}, {0xe0, 0xef, 3, 0x0f, 0x800}, {0xf0, 0xf4, 4, 0x07, 0x10000}};
    const form* match = nullptr;
    for (const form& f : forms)
        if (lead >= f.first && lead <= f.last)
            match = &f;
    if (match == nullptr)
        return 0;
    const size_t length = match->length;
    char32_t code = lead & match->bits;
    if (at + length > text.size())
        return 0;
    for (size_t i = 1; i < length; ++i) {
        const unsigned char next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xc0) != 0x80)
            return 0;
        code = code << 6 | (next & 0x3f);
    }
    const bool valid = code >= match->smallest && code <= lastCodePoint &&
                       (code < firstSurrogate || code > lastSurrogate);
    return valid && code > lastC1 ? length : 0;
}

} // namespace

std::string kuPrintable(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t at = 0; at < text.size();) {
        const unsigned char byte = static_cast<unsigned char>(text[at]);
        if (byte >= firstPrintable && byte < deleteCode) {
            out += text[at++];
            continue;
        }
        const size_t sequence = byte > deleteCode ? printableSequence(text, at) : 0;
        if (sequence > 0) {
            out.append(text, at, sequence);
            at += sequence;
            continue;
        }
        char escaped[5];
        std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
        out += escaped;
        ++at;
    }
    return out;
}
