// Which language Windows' resource loader picked for the program's resources.
#pragma once

#include "platform/win32/windows_api.h"

namespace hexcribe::app::win32 {

// Makes the language of module's resources the windows' language (res::SetUiLanguage), so that
// the texts the program takes from the shared tables (the window menu's About entry) and the
// geometry it lays out again at another DPI are those of the dialogs Windows loads. The loader
// picks by the user's UI language; each language's string table names itself (IDS_UI_LANGUAGE).
void UseLanguageOfResources(HINSTANCE module);

}  // namespace hexcribe::app::win32
