// A run carried in a link: the bytes of its run file in base64url (RFC 4648's URL-safe
// alphabet, without padding) after "#run=" in a page's address, so that opening the address
// plays the run; or the code alone. Such a run is checked like a run file: a damaged code or a
// run of rules this game does not play is refused with the reason.
#pragma once

#include "quaroRecording.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quaroRunLink {

extern const char* const marker; // "#run=", before the code in an address

std::string base64url(const std::vector<uint8_t>& bytes);
// The bytes of a code; nothing for a character outside the alphabet or an impossible length.
std::optional<std::vector<uint8_t>> fromBase64url(const std::string& code);

// The code of the run, for an address's fragment.
std::string code(const quaroRecording& run);
// What the viewer's "copy link" hands out: on a page, its address and the code as its
// fragment; elsewhere (pageAddress empty) the bare code, which a shell takes as it is where it
// would take "#" for the start of a comment.
std::string link(const quaroRecording& run, const std::string& pageAddress);
// Whether --replay's argument is a link or a bare code rather than a file: it holds the
// marker, or no such file exists and it is written in the code's alphabet alone.
bool namesLink(const std::string& argument);
// The run of an address (whatever precedes the marker) or of a bare code; nothing, with
// problem saying why, when it cannot be played.
std::optional<quaroRecording> load(const std::string& linkOrCode, std::string& problem);

} // namespace quaroRunLink
