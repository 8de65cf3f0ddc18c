// The room a control's text needs in the current style and font, and where a
// label sits so its text shares the baseline of a drop-down list beside it.
#pragma once

#include <QSize>
#include <QWidget>

namespace hexcribe::app::qt {

// The smallest size that shows all of the control's text uncut when the
// control is `width` pixels wide (a wrapping label's height depends on it).
// Text boxes and lists filled later need no room for text here: zero.
QSize RoomNeeded(const QWidget& control, int width);

// The top of a top-aligned label whose text shares its baseline with the text
// of `combo` when the combo is placed with its top at comboTop.
int LabelTopOnComboBaseline(const QWidget& combo, int comboTop, const QFont& labelFont);

}  // namespace hexcribe::app::qt
