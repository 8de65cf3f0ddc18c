// Win32 font faces: every face GDI enumerates for the display, once per character set.
#include "platform/win32/windows_api.h"

#include <vector>

#include "platform/platform.h"
#include "platform/win32/unique_handles.h"
#include "platform/win32/wide_text.h"

namespace hexcribe::platform {

using win32::FromWide;

namespace {

int CALLBACK CollectFace(const LOGFONTW* font, const TEXTMETRICW* /*metrics*/, DWORD /*type*/, LPARAM faces) {
  reinterpret_cast<std::vector<std::u16string>*>(faces)->push_back(FromWide(font->lfFaceName));
  return 1;  // keep enumerating
}

// The reports of EnumFontFamiliesExW on the display for a face name ("" for every face).
std::vector<std::u16string> EnumerateDisplayFonts(const std::wstring& face) {
  std::vector<std::u16string> faces;
  win32::UniqueDc display(::CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr));
  if (display.get() == nullptr) return faces;
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  face.copy(wanted.lfFaceName, LF_FACESIZE - 1);
  ::EnumFontFamiliesExW(display.get(), &wanted, CollectFace, reinterpret_cast<LPARAM>(&faces), 0);
  return faces;
}

}  // namespace

std::vector<std::u16string> EnumerateRawFontFaces() { return EnumerateDisplayFonts(L""); }

std::u16string CanonicalFaceName(const std::u16string& name) {
  // Only whole names GDI can look up; a longer one is no installed face.
  if (name.empty() || name.size() >= LF_FACESIZE) return name;
  // GDI finds an installed face also by its name in another language and
  // reports it under the name the face list shows.
  const std::vector<std::u16string> reported = EnumerateDisplayFonts(win32::ToWide(name));
  return reported.empty() ? name : reported.front();
}

}  // namespace hexcribe::platform
