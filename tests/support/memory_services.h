// Dialog services for the front-end tests: settings kept in memory, a fixed title and face list, the
// real glyph maps and clipboard.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/platform.h"
#include "ui/dialog_services.h"

namespace hexcribe::test {

class MemoryServices : public ui::DialogServices {
 public:
  explicit MemoryServices(std::vector<std::u16string> faceList = {u"DejaVu Sans", u"DejaVu Serif", u"NanumGothic"})
      : faces(std::move(faceList)) {}

  void CreateSettingsFolder() override {}
  std::u16string SettingsFilePath() override { return u"/settings/setting.ini"; }
  std::u16string ReadProfileValue(const std::u16string&, const std::u16string& key, const std::u16string& defaultValue,
                                  std::size_t, StoredForm, const std::u16string&) override {
    auto it = store.find(key);
    return it == store.end() ? defaultValue : it->second;
  }
  bool WriteProfileValue(const std::u16string&, const std::u16string& key, const std::u16string& value, StoredForm,
                         const std::u16string&) override {
    store[key] = value;
    ++writes;
    return true;
  }
  std::u16string TitleText() override { return u"Hexcribe v1.00"; }
  std::vector<std::u16string> FontFaces() override { return faces; }
  std::u16string CanonicalFaceName(const std::u16string& name) override { return name; }
  std::optional<CodePointSet> FaceGlyphCoverage(const std::u16string& face) override {
    return platform::FaceGlyphCoverage(face);
  }
  std::string ToClipboardBytes(std::u16string_view text) override { return platform::ToClipboardBytes(text); }
  bool PutTextOnClipboard(std::string_view bytes) override { return platform::PutTextOnClipboard(bytes); }
  std::optional<std::u16string> ReadTextFromClipboard() override { return platform::ReadTextFromClipboard(); }

  std::map<std::u16string, std::u16string> store;
  std::vector<std::u16string> faces;
  int writes = 0;
};

}  // namespace hexcribe::test
