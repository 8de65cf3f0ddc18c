// Where the settings live: <app-data>/Hexcribe/setting.ini, recomputed on every use.
#pragma once

#include <string>

namespace hexcribe {

// "<app-data>/Hexcribe", or "" when the platform names no application-data folder.
std::u16string GetSettingsFolder();

// "<app-data>/Hexcribe/setting.ini", or "" when there is no settings folder.
std::u16string GetSettingsFilePath();

// The start-up step that makes sure the settings folder exists (creating the
// application-data folder first when it is missing). Failures are ignored: an
// existing folder is no error, and a missing one only makes the saves fail.
void CreateSettingsFolder();

}  // namespace hexcribe
