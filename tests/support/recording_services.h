// The dialog services for every dialog test: each call that reads or writes settings, asks for the
// title, the faces or a face's glyphs, or puts text on the clipboard is written to a call log (its
// own, or one shared with a fake window). Settings are kept in memory, or in the real store; faces,
// names, glyph maps and the clipboard are the fields below, or the platform's own for the tests of
// a front end (UseSystemDesktop).
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/character_map.h"
#include "platform/platform.h"
#include "settings/profile_values.h"
#include "settings/settings_location.h"
#include "ui/dialog_services.h"

namespace hexcribe::test {

// Readable form of UTF-16 text for the log: ASCII as is, other units as \uXXXX.
inline std::string Show(std::u16string_view text) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string out;
  for (char16_t unit : text) {
    if (unit >= 0x20 && unit < 0x7F) {
      out += static_cast<char>(unit);
    } else {
      out += "\\u";
      for (int shift = 12; shift >= 0; shift -= 4) out += kDigits[(unit >> shift) & 0xF];
    }
  }
  return out;
}

inline std::string FormName(StoredForm form) { return form == StoredForm::kHex ? " hex" : " plain"; }

class RecordingServices : public ui::DialogServices {
  std::vector<std::string> ownLog_;  // first: log may refer to it

 public:
  enum class Settings { kInMemory, kReal };
  explicit RecordingServices(std::vector<std::string>* sharedLog = nullptr, Settings settings = Settings::kInMemory)
      : log(sharedLog != nullptr ? *sharedLog : ownLog_), real_(settings == Settings::kReal) {}
  RecordingServices(const RecordingServices&) = delete;  // log may refer to the object's own
  RecordingServices& operator=(const RecordingServices&) = delete;

  // The platform's glyph maps and clipboard instead of glyphs, clipboard and clipboardText. Inline
  // and called only by the front ends' tests, so the portable suites need no platform clipboard.
  void UseSystemDesktop() {
    system_ = Desktop{&platform::FaceGlyphCoverage, &platform::ToClipboardBytes, &platform::PutTextOnClipboard,
                      &platform::ReadTextFromClipboard};
  }

  void CreateSettingsFolder() override {
    log.push_back("svc CreateSettingsFolder");
    if (real_) hexcribe::CreateSettingsFolder();
  }
  std::u16string SettingsFilePath() override { return real_ ? GetSettingsFilePath() : u"/settings/setting.ini"; }
  std::u16string ReadProfileValue(const std::u16string& section, const std::u16string& key,
                                  const std::u16string& defaultValue, std::size_t size, StoredForm form,
                                  const std::u16string& file) override {
    log.push_back("svc Read " + Show(section) + "/" + Show(key) + " default=" + Show(defaultValue) +
                  " size=" + std::to_string(size) + FormName(form) + " file=" + Show(file));
    if (real_) return hexcribe::ReadProfileValue(section, key, defaultValue, size, form, file);
    auto it = store.find(key);
    return it == store.end() ? defaultValue : it->second;
  }
  bool WriteProfileValue(const std::u16string& section, const std::u16string& key, const std::u16string& value,
                         StoredForm form, const std::u16string& file) override {
    log.push_back("svc Write " + Show(section) + "/" + Show(key) + "=" + Show(value) + FormName(form) +
                  " file=" + Show(file));
    ++writes;
    if (real_) return hexcribe::WriteProfileValue(section, key, value, form, file);
    store[key] = value;
    return true;
  }
  std::u16string TitleText() override {
    log.push_back("svc TitleText");
    return u"Hexcribe v1.00";
  }
  std::vector<std::u16string> FontFaces() override {
    log.push_back("svc FontFaces");
    return faces;
  }
  std::u16string CanonicalFaceName(const std::u16string& name) override {
    log.push_back("svc CanonicalFaceName " + Show(name));
    auto it = aliases.find(name);
    return it == aliases.end() ? name : it->second;
  }
  std::u16string FaceShownForDefault(const std::u16string& face) override {
    log.push_back("svc FaceShownForDefault " + Show(face));
    return defaultShownAs.empty() ? face : defaultShownAs;
  }
  std::optional<CodePointSet> FaceGlyphCoverage(const std::u16string& face) override {
    log.push_back("svc FaceGlyphCoverage " + Show(face));
    if (system_) return system_->glyphCoverage(face);
    auto it = glyphs.find(face);
    if (it == glyphs.end()) return std::nullopt;
    return it->second;
  }
  std::optional<std::u16string> ReadTextFromClipboard() override {
    return system_ ? system_->readClipboard() : clipboardText;
  }
  std::string ToClipboardBytes(std::u16string_view text) override {
    if (system_) return system_->clipboardBytes(text);
    std::string bytes;
    for (char16_t unit : text) bytes += static_cast<char>(unit < 0x80 ? unit : '?');
    return bytes;
  }
  bool PutTextOnClipboard(std::string_view bytes) override {
    log.push_back("svc Clipboard " + std::string(bytes));
    ++clipboardCalls;
    if (system_) return system_->putOnClipboard(bytes);
    clipboard = std::string(bytes);
    return true;
  }

  std::vector<std::string>& log;
  std::map<std::u16string, std::u16string> store;  // the settings in memory, by key
  int writes = 0;
  std::vector<std::u16string> faces{u"Arial", u"DejaVu Sans", u"Tahoma"};
  std::map<std::u16string, std::u16string> aliases;  // names the face list shows other faces by
  std::u16string defaultShownAs;                     // the platform's stand-in for a missing default face
  std::map<std::u16string, CodePointSet> glyphs;     // faces whose glyphs are known
  std::string clipboard = "<untouched>";
  std::optional<std::u16string> clipboardText;  // what the clipboard holds for reading
  int clipboardCalls = 0;

 private:
  struct Desktop {
    std::optional<CodePointSet> (*glyphCoverage)(const std::u16string&);
    std::string (*clipboardBytes)(std::u16string_view);
    bool (*putOnClipboard)(std::string_view);
    std::optional<std::u16string> (*readClipboard)();
  };

  bool real_;
  std::optional<Desktop> system_;
};

}  // namespace hexcribe::test
