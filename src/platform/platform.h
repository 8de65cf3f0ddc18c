// The one platform boundary: every service that differs between Linux and Windows.
// Portable code calls only these; the services in src/platform/linux + qt and src/platform/win32
// implement them.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/character_map.h"

namespace hexcribe::platform {

// ---- Settings location and file probes -------------------------------------

// The per-user application-data folder without a trailing separator, or ""
// when the platform cannot name one (callers then read defaults and writes fail).
std::u16string GetAppDataFolder();

// The character that joins path components.
char16_t PathSeparator();

// Creates one folder level (CreateDirectoryW semantics; an existing folder is
// reported as failure and callers ignore it).
bool CreateFolder(const std::u16string& path);

// True for an existing folder.
bool IsDirectory(const std::u16string& path);

// True when the path opens as a file for reading (with full sharing on Windows).
bool CanOpenForReading(const std::u16string& path);

// Creates a new empty file. Never truncates or replaces an existing file:
// gives false when anything already exists at the path. On Windows the new
// file holds only a UTF-16LE byte-order mark, which keeps the profile
// functions writing it in Unicode rather than the ANSI code page.
bool CreateNewEmptyFile(const std::u16string& path);

// ---- Profile (INI) functions -------------------------------------------------

// GetPrivateProfileStringW: the value of key in section, or the default when
// either is missing, truncated to capacity - 1 units. capacity 0 gives "".
std::u16string GetProfileString(const std::u16string& section, const std::u16string& key,
                                const std::u16string& defaultValue, std::size_t capacity,
                                const std::u16string& file);

// WritePrivateProfileStringW: adds or replaces key=value in section, adding the
// section when needed. False when the file could not be written. The new
// content replaces the file in one step (a crash leaves the old or the new
// file whole), and saves of the same file by several instances are serialised.
bool WriteProfileString(const std::u16string& section, const std::u16string& key, const std::u16string& value,
                        const std::u16string& file);

// ---- Version data of an executable -------------------------------------------

// Full long-form path of the running executable, or "" when unknown.
std::u16string GetOwnModulePath();

// The string `name` of the string table `language` (e.g. "040904b0") in the
// version data of the executable at path; nullopt when the file has no
// readable version data or no such entry. Language keys match without regard
// to case.
std::optional<std::u16string> QueryVersionString(const std::u16string& path, std::u16string_view language,
                                                 std::u16string_view name);

// ---- Fonts -------------------------------------------------------------------

// Every face name the platform reports, one report per face and character set
// (duplicates, "@" faces and empty names included; portable code filters).
std::vector<std::u16string> EnumerateRawFontFaces();

// The name under which the face list shows the face called `name` (e.g. a
// localized family name under another locale); `name` itself when unknown.
std::u16string CanonicalFaceName(const std::u16string& name);

// The listed face that text set in the program's default face `face` really
// shows: `face` itself where it is installed (always on Windows, where the
// font mapper keeps the name), otherwise the platform's substitute.
std::u16string FaceShownForDefault(const std::u16string& face);

// The code points that face `face` has glyphs of its own for, read from its
// character map: the face a display font of that name shows (the platform's
// substitute when it is missing, its default face for ""), without the other
// faces the toolkit or Windows' font linking would borrow glyphs from.
// nullopt when the platform cannot tell.
std::optional<CodePointSet> FaceGlyphCoverage(const std::u16string& face);

// ---- Clipboard ---------------------------------------------------------------

// The text in the platform's 8-bit clipboard encoding (the ANSI code page on
// Windows). The command text is ASCII, so this is a plain copy for it.
std::string ToClipboardBytes(std::u16string_view text);

// Empties the clipboard and, when bytes is not empty, puts the bytes on it as
// plain 8-bit text. True on success, also for empty bytes.
bool PutTextOnClipboard(std::string_view bytes);

// The text on the clipboard as UTF-16 (on Windows up to its first zero unit),
// or nullopt when it holds no text or cannot be read.
std::optional<std::u16string> ReadTextFromClipboard();

// ---- Console -----------------------------------------------------------------

enum class StandardStream { kOutput, kError };

// True when the stream is a console window that takes UTF-16 text (Windows);
// false for files, pipes, and terminals that take UTF-8 bytes.
bool IsConsole(StandardStream stream);

// Writes UTF-16 units to a console stream, whatever its code page; false when
// the console refused them.
bool WriteConsoleUnits(StandardStream stream, std::u16string_view units);

}  // namespace hexcribe::platform
