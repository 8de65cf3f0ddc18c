// Arrow keys in a dialog: the focus moves within a control's group, passing over static texts.
#pragma once

#include "platform/win32/windows_api.h"

namespace hexcribe::app::win32 {

// For an arrow key pressed in a control of `dialog` that leaves the arrows to the dialog (a
// button, a check box): moves the focus to the next (Down, Right) or previous (Up, Left) control
// of its group, as the dialog manager does, but passing over static texts, which name the
// control after them and take no focus themselves. True when the key has been dealt with here;
// false for anything else, which then goes its usual way.
bool MoveFocusWithinGroup(HWND dialog, const MSG& message);

}  // namespace hexcribe::app::win32
