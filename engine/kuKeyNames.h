// The keys a player may bind, by the names a settings file and the screens use ("Left",
// "Escape", "J", "F5"): letters, digits, the arrows, the function keys and a few others, the
// same on every SDL. Names are read in any case and written as the table spells them.
#pragma once

#include "kuSdl.h"

#include <optional>
#include <string>

// The key of the name; none for a name the table does not hold.
std::optional<SDLKey> kuKeyFromName(const std::string& name);
// The name of the key; empty for a key the table does not hold.
std::string kuKeyName(SDLKey key);
