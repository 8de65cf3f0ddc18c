// Dialog-unit conversion and the choice of the dialog font.
#include "app/qt/dialog_units.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

#include "core/font_size.h"
#include "platform/qt/display_font_qt.h"

namespace hexcribe::app::qt {

BaseUnits BaseUnitsOf(const QFont& font) {
  const QFontMetrics metrics(font);
  const int width = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  return {(width / 26 + 1) / 2, metrics.height()};
}

QRect DialogRectToPixels(const BaseUnits& units, int x, int y, int width, int height) {
  // Position and size convert independently, as the dialog manager does it.
  return QRect(MulDiv(x, units.cx, 4), MulDiv(y, units.cy, 8), MulDiv(width, units.cx, 4),
               MulDiv(height, units.cy, 8));
}

QFont DialogFont(const QString& face, int points) {
  // Fallbacks in order; DejaVu Sans ships with every desktop this runs on.
  const QStringList candidates = {face, QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans"),
                                  QStringLiteral("Liberation Sans")};
  const QStringList installed = QFontDatabase::families();
  QFont font;
  for (const QString& family : candidates) {
    if (installed.contains(family, Qt::CaseInsensitive)) {
      font.setFamily(family);
      break;
    }
  }
  font.setPixelSize(MulDiv(points, platform::PrimaryScreenLogicalDpi(), 72));
  font.setWeight(QFont::Normal);
  font.setItalic(false);
  return font;
}

}  // namespace hexcribe::app::qt
