// What the game asks of the operating system beyond its own files, behind names that say what
// they are: the clock frames are paced with, the user's home, the folder of the running
// program, the working folder, whether a folder is there.
#pragma once

#include "kuSdl.h"

#include <string>

namespace kuSystem {

// Milliseconds since SDL started; wraps after about 49 days.
Uint32 ticks();
// Sleeps at least the milliseconds (in the browser, handing the page its turn meanwhile).
void sleep(Uint32 milliseconds);

// $HOME when it is absolute, else the user's home from the password database: a relative HOME
// is ignored, as the XDG rules ignore relative XDG_* folders, since it would put the game's
// files under whatever folder it was started in. A relative HOME is kept only when the
// database has no home either; empty when neither says.
std::string homeFolder();
// The folder of the running program; empty when it cannot be told.
std::string executableFolder();
// The working folder; "." when it cannot be told.
std::string currentFolder();
bool isFolder(const std::string& path);

} // namespace kuSystem
