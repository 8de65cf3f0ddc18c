// Which language Windows' resource loader picked for the program's resources.
#include "app/win32/resource_language.h"

#include <string>

#include "res/resource.h"
#include "res/translations.h"

namespace hexcribe::app::win32 {

void UseLanguageOfResources(HINSTANCE module) {
  wchar_t buffer[16] = {};
  const int length = ::LoadStringW(module, IDS_UI_LANGUAGE, buffer, static_cast<int>(std::size(buffer)));
  std::string code;
  for (int i = 0; i < length; ++i) code += buffer[i] < 0x80 ? static_cast<char>(buffer[i]) : '?';
  // English, the tables' own language, has no translation; so has a code no table knows.
  res::SetUiLanguage(res::FindTranslation(code));
}

}  // namespace hexcribe::app::win32
