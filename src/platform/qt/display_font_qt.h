// The display font for Qt widgets: a face at a point size, and the handles the dialog hands out.
#pragma once

#include <QFont>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace hexcribe::platform {

// The logical vertical resolution of the primary screen (96 without a screen).
int PrimaryScreenLogicalDpi();

// A font of `face` at tenthsOfPoint / 10 points for a screen of logicalDpi,
// sized in pixels as MulDiv(tenthsOfPoint, logicalDpi, 720), normal weight,
// upright, whatever font the widget inherits. An empty face gives the
// application's default face. nullopt when the size comes out below 1 pixel.
// A widget goes back to its inherited font with setFont(QFont()).
std::optional<QFont> MakeDisplayFont(const std::u16string& face, int tenthsOfPoint, int logicalDpi);

// A display-font handle as the dialog's window interface hands it out; 0 means "no font".
using FontHandle = std::uintptr_t;

// The fonts behind DialogWindow's font handles: CreatePointFont, DestroyFont
// and SetControlFont of a Qt window map onto Create, Destroy and Find.
class DisplayFontTable {
 public:
  // A new non-zero handle, or 0 when no font can be made.
  FontHandle Create(int tenthsOfPoint, const std::u16string& face);
  FontHandle Create(int tenthsOfPoint, const std::u16string& face, int logicalDpi);
  // Forgets the font; unknown handles and 0 are ignored.
  void Destroy(FontHandle handle);
  // The font of a live handle, nullptr for 0 or a destroyed handle.
  const QFont* Find(FontHandle handle) const;
  std::size_t size() const { return fonts_.size(); }

 private:
  std::map<FontHandle, QFont> fonts_;
  FontHandle next_ = 1;
};

}  // namespace hexcribe::platform
