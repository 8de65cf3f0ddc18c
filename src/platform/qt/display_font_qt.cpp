// The display font for Qt widgets: a face at a point size, the handles the dialog hands out, and
// the code points the face has glyphs for.
#include "platform/qt/display_font_qt.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QRawFont>
#include <QScreen>
#include <QString>
#include <cmath>

#include "core/font_size.h"
#include "platform/platform.h"

namespace hexcribe::platform {

int PrimaryScreenLogicalDpi() {
  constexpr int kFallbackDpi = 96;
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) return kFallbackDpi;
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return kFallbackDpi;
  const double dpi = screen->logicalDotsPerInchY();
  return dpi >= 1.0 && dpi < 100000.0 ? static_cast<int>(std::lround(dpi)) : kFallbackDpi;
}

std::optional<QFont> MakeDisplayFont(const std::u16string& face, int tenthsOfPoint, int logicalDpi) {
  const int pixels = PointSizeToPixels(tenthsOfPoint, logicalDpi);
  if (pixels < 1) return std::nullopt;
  // QFont() carries the application's default face; setting an empty family
  // instead would pick the first family of the font database.
  QFont font;
  if (!face.empty()) font.setFamilies({QString::fromStdU16String(face)});
  font.setPixelSize(pixels);
  // Pinned rather than inherited from the dialog's font: plain, upright, undecorated.
  font.setWeight(QFont::Normal);
  font.setItalic(false);
  font.setUnderline(false);
  font.setStrikeOut(false);
  return font;
}

std::optional<CodePointSet> FaceGlyphCoverage(const std::u16string& face) {
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) return std::nullopt;
  constexpr int kAnySize = 260;  // the map does not depend on the size
  const std::optional<QFont> font = MakeDisplayFont(face, kAnySize, PrimaryScreenLogicalDpi());
  if (!font) return std::nullopt;
  // The one font file the family resolves to first, without Qt's fallback fonts.
  const QRawFont raw = QRawFont::fromFont(*font);
  if (!raw.isValid()) return std::nullopt;
  const QByteArray table = raw.fontTable("cmap");
  return ReadCharacterMap({reinterpret_cast<const std::uint8_t*>(table.constData()),
                           static_cast<std::size_t>(table.size())});
}

FontHandle DisplayFontTable::Create(int tenthsOfPoint, const std::u16string& face) {
  return Create(tenthsOfPoint, face, PrimaryScreenLogicalDpi());
}

FontHandle DisplayFontTable::Create(int tenthsOfPoint, const std::u16string& face, int logicalDpi) {
  std::optional<QFont> font = MakeDisplayFont(face, tenthsOfPoint, logicalDpi);
  if (!font) return 0;
  const FontHandle handle = next_++;
  fonts_.emplace(handle, *font);
  return handle;
}

void DisplayFontTable::Destroy(FontHandle handle) { fonts_.erase(handle); }

const QFont* DisplayFontTable::Find(FontHandle handle) const {
  const auto it = fonts_.find(handle);
  return it == fonts_.end() ? nullptr : &it->second;
}

}  // namespace hexcribe::platform
