// The real dialog services: thin forwards to the settings, version, font and platform functions.
#include "ui/dialog_services.h"

#include "fonts/face_list.h"
#include "platform/platform.h"
#include "settings/settings_location.h"
#include "version/product_version.h"

namespace hexcribe::ui {
namespace {

class SystemDialogServices final : public DialogServices {
 public:
  void CreateSettingsFolder() override { hexcribe::CreateSettingsFolder(); }
  std::u16string SettingsFilePath() override { return GetSettingsFilePath(); }
  std::u16string ReadProfileValue(const std::u16string& section, const std::u16string& key,
                                  const std::u16string& defaultValue, std::size_t size, StoredForm form,
                                  const std::u16string& file) override {
    return hexcribe::ReadProfileValue(section, key, defaultValue, size, form, file);
  }
  bool WriteProfileValue(const std::u16string& section, const std::u16string& key, const std::u16string& value,
                         StoredForm form, const std::u16string& file) override {
    return hexcribe::WriteProfileValue(section, key, value, form, file);
  }
  std::u16string TitleText() override { return MakeTitleText(); }
  std::vector<std::u16string> FontFaces() override { return EnumerateFontFaces(); }
  std::u16string CanonicalFaceName(const std::u16string& name) override { return platform::CanonicalFaceName(name); }
  std::u16string FaceShownForDefault(const std::u16string& face) override {
    return platform::FaceShownForDefault(face);
  }
  std::optional<CodePointSet> FaceGlyphCoverage(const std::u16string& face) override {
    return platform::FaceGlyphCoverage(face);
  }
  std::string ToClipboardBytes(std::u16string_view text) override { return platform::ToClipboardBytes(text); }
  bool PutTextOnClipboard(std::string_view bytes) override { return platform::PutTextOnClipboard(bytes); }
  std::optional<std::u16string> ReadTextFromClipboard() override { return platform::ReadTextFromClipboard(); }
};

}  // namespace

DialogServices& SystemServices() {
  static SystemDialogServices services;
  return services;
}

}  // namespace hexcribe::ui
