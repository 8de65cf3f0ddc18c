// Where the settings live: <app-data>/Hexcribe/setting.ini, recomputed on every use.
#include "settings/settings_location.h"

#include "platform/platform.h"

namespace hexcribe {

std::u16string GetSettingsFolder() {
  const std::u16string appData = platform::GetAppDataFolder();
  if (appData.empty()) return {};
  return appData + platform::PathSeparator() + u"Hexcribe";
}

std::u16string GetSettingsFilePath() {
  const std::u16string folder = GetSettingsFolder();
  if (folder.empty()) return {};
  return folder + platform::PathSeparator() + u"setting.ini";
}

void CreateSettingsFolder() {
  const std::u16string appData = platform::GetAppDataFolder();
  if (appData.empty()) return;
  // Either may exist already; a real failure only makes the later saves fail.
  platform::CreateFolder(appData);
  platform::CreateFolder(GetSettingsFolder());
}

}  // namespace hexcribe
