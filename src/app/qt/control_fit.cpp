// Text room per control class, measured with the widget's own style and font.
#include "app/qt/control_fit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTextBoundaryFinder>
#include <algorithm>

namespace hexcribe::app::qt {
namespace {

// Widest piece between two line-break opportunities: a wrapping label cannot break inside one.
// Chinese and Japanese may break between most characters, other scripts at spaces and hyphens.
int WidestWord(const QFontMetrics& metrics, const QString& text) {
  int widest = 0;
  QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
  qsizetype start = 0;
  while (breaks.toNextBoundary() != -1) {
    const qsizetype end = breaks.position();
    widest = std::max(widest, metrics.horizontalAdvance(text.mid(start, end - start).trimmed()));
    start = end;
  }
  return widest;
}

QSize LabelRoom(const QLabel& label, int width) {
  if (label.text().isEmpty()) return label.pixmap().isNull() ? QSize() : label.pixmap().deviceIndependentSize().toSize();
  const QFontMetrics metrics(label.font());
  const QRect bound = metrics.boundingRect(QRect(0, 0, std::max(1, width), 1 << 20),
                                           Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, label.text());
  return {std::max(WidestWord(metrics, label.text()), bound.width()), bound.height()};
}

QSize ButtonRoom(const QAbstractButton& button, QStyle::ContentsType type) {
  // The style's own padding around the text, without the minimum width some
  // styles give push buttons (the template's width is the design here).
  QStyleOptionButton option;
  option.initFrom(&button);
  option.text = button.text();
  if (const auto* check = qobject_cast<const QCheckBox*>(&button)) {
    option.iconSize = check->iconSize();
  }
  const QFontMetrics metrics(button.font());
  const QSize text(metrics.horizontalAdvance(button.text()), metrics.height());
  if (type == QStyle::CT_CheckBox) return button.style()->sizeFromContents(type, &option, text, &button);
  const QStyle* style = button.style();
  const int padding = style->pixelMetric(QStyle::PM_ButtonMargin, &option, &button) +
                      2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &button);
  return {text.width() + padding, text.height() + padding};
}

QSize ComboRoom(const QComboBox& combo) {
  const QFontMetrics metrics(combo.font());
  int widest = 0;
  for (int i = 0; i < combo.count(); ++i) widest = std::max(widest, metrics.horizontalAdvance(combo.itemText(i)));
  if (widest == 0) return {};
  QStyleOptionComboBox option;
  option.initFrom(&combo);
  option.editable = combo.isEditable();
  return combo.style()->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(widest, metrics.height()), &combo);
}

}  // namespace

QSize RoomNeeded(const QWidget& control, int width) {
  if (const auto* label = qobject_cast<const QLabel*>(&control)) return LabelRoom(*label, width);
  if (const auto* check = qobject_cast<const QCheckBox*>(&control)) return ButtonRoom(*check, QStyle::CT_CheckBox);
  if (const auto* button = qobject_cast<const QPushButton*>(&control)) {
    return ButtonRoom(*button, QStyle::CT_PushButton);
  }
  if (const auto* combo = qobject_cast<const QComboBox*>(&control)) return ComboRoom(*combo);
  return {};
}

int LabelTopOnComboBaseline(const QWidget& widget, int comboTop, const QFont& labelFont) {
  const auto* combo = qobject_cast<const QComboBox*>(&widget);
  if (combo == nullptr) return comboTop;
  QStyleOptionComboBox option;
  option.initFrom(combo);
  option.rect = QRect(QPoint(0, 0), combo->sizeHint());
  const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
  // The combo centres its text in the field; the label draws from its top.
  const QFontMetrics comboMetrics(combo->font());
  const QFontMetrics labelMetrics(labelFont);
  const int baseline = comboTop + field.top() + (field.height() - comboMetrics.height()) / 2 + comboMetrics.ascent();
  return baseline - labelMetrics.ascent();
}

}  // namespace hexcribe::app::qt
