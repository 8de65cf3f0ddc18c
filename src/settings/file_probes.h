// Existence probe and empty-file creation used by the settings and version readers.
#pragma once

#include <string>

namespace hexcribe {

// True for an existing folder or a file that can be opened for reading; the
// empty path is false without touching the file system.
bool PathExists(const std::u16string& path);

// Creates a missing file with no content. Never truncates an existing file
// (an existing-but-unreadable settings file must not be wiped).
bool CreateEmptyFile(const std::u16string& path);

}  // namespace hexcribe
