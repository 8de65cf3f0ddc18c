// Dialog-unit conversion and the choice of the dialog font.
#include "platform/qt/frontend/dialog_units.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QStringList>
#include <cstdint>
#include <cstdlib>

namespace hexcribe::platform::qt {

int MulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  const std::int64_t product = static_cast<std::int64_t>(a) * b;
  const std::int64_t half = std::llabs(c) / 2;
  const bool negative = (product < 0) != (c < 0);
  const std::int64_t magnitude = (std::llabs(product) + half) / std::llabs(c);
  return static_cast<int>(negative ? -magnitude : magnitude);
}

BaseUnits BaseUnitsOf(const QFont& font) {
  const QFontMetrics metrics(font);
  const int width = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  return {(width / 26 + 1) / 2, metrics.height()};
}

QRect DialogRectToPixels(const BaseUnits& units, int x, int y, int width, int height) {
  const int left = MulDiv(x, units.cx, 4);
  const int top = MulDiv(y, units.cy, 8);
  const int right = MulDiv(x + width, units.cx, 4);
  const int bottom = MulDiv(y + height, units.cy, 8);
  return QRect(left, top, right - left, bottom - top);
}

int LogicalDpiY() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? static_cast<int>(screen->logicalDotsPerInchY() + 0.5) : 96;
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
  font.setPixelSize(MulDiv(points, LogicalDpiY(), 72));
  font.setWeight(QFont::Normal);
  font.setItalic(false);
  return font;
}

}  // namespace hexcribe::platform::qt
