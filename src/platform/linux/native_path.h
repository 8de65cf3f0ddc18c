// File names between the program's UTF-16 text and the bytes the Linux kernel takes.
#pragma once

#include <string>
#include <string_view>

namespace hexcribe::platform::posix {

// UTF-8, where bytes that are not valid UTF-8 travel as the lone surrogates
// U+DC80..U+DCFF, so any file name the kernel reports can be handed back to it.
std::string ToNativePath(std::u16string_view path);
std::u16string FromNativePath(std::string_view path);

// The folder part of a path ("." for a bare name, "/" for a name at the root).
std::string FolderOf(const std::string& path);

}  // namespace hexcribe::platform::posix
