// The services the main dialog calls besides its window: settings, title,
// font faces, their glyphs and the clipboard. Front ends pass SystemServices(); tests pass fakes.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/character_map.h"
#include "settings/profile_values.h"

namespace hexcribe::ui {

class DialogServices {
 public:
  virtual ~DialogServices() = default;

  // Makes sure the settings folder exists; failures are ignored.
  virtual void CreateSettingsFolder() = 0;
  // The settings file, recomputed on every call ("" when there is none).
  virtual std::u16string SettingsFilePath() = 0;
  // One settings value (settings/profile_values.h).
  virtual std::u16string ReadProfileValue(const std::u16string& section, const std::u16string& key,
                                          const std::u16string& defaultValue, std::size_t size, StoredForm form,
                                          const std::u16string& file) = 0;
  virtual bool WriteProfileValue(const std::u16string& section, const std::u16string& key,
                                 const std::u16string& value, StoredForm form, const std::u16string& file) = 0;

  // "Hexcribe v" and the version read from the program's own version data.
  virtual std::u16string TitleText() = 0;

  // The Font list's faces, and the listed name of a saved face.
  virtual std::vector<std::u16string> FontFaces() = 0;
  virtual std::u16string CanonicalFaceName(const std::u16string& name) = 0;
  // The face a first start shows and saves for the default face: the face
  // itself, or the face the platform shows in its place when it is missing.
  virtual std::u16string FaceShownForDefault(const std::u16string& face) { return face; }
  // The code points the face has glyphs of its own for; nullopt when unknown.
  virtual std::optional<CodePointSet> FaceGlyphCoverage(const std::u16string& face) {
    (void)face;
    return std::nullopt;
  }

  // The platform's 8-bit clipboard text, and handing it to the clipboard.
  virtual std::string ToClipboardBytes(std::u16string_view text) = 0;
  virtual bool PutTextOnClipboard(std::string_view bytes) = 0;
  // The clipboard's text; nullopt when it holds none.
  virtual std::optional<std::u16string> ReadTextFromClipboard() { return std::nullopt; }
};

// The real services of the running program.
DialogServices& SystemServices();

}  // namespace hexcribe::ui
