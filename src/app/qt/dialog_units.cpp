// The dialog font and its base units measured with Qt.
#include "app/qt/dialog_units.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

#include "platform/qt/display_font_qt.h"

namespace hexcribe::app::qt {

BaseUnits BaseUnitsOf(const QFont& font) {
  const QFontMetrics metrics(font);
  const QString alphabet = QString::fromUtf16(ui::kBaseUnitAlphabet.data(), ui::kBaseUnitAlphabet.size());
  return ui::BaseUnitsFromFont(metrics.horizontalAdvance(alphabet), metrics.height());
}

QRect DialogRectToQRect(const BaseUnits& units, int x, int y, int width, int height) {
  const ui::PixelRect rect = ui::DialogRectToPixels(units, x, y, width, height);
  return QRect(rect.x, rect.y, rect.width, rect.height);
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
  font.setPixelSize(-ui::FontHeightForDpi(points, platform::PrimaryScreenLogicalDpi()));
  font.setWeight(QFont::Normal);
  font.setItalic(false);
  return font;
}

}  // namespace hexcribe::app::qt
