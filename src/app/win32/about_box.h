// The About box: dialog template 100, modal over its owner; Enter and Escape close it.
#pragma once

#include "platform/win32/windows_api.h"

namespace hexcribe::app::win32 {

// Shows the About box and returns when it has closed.
void RunAboutBox(HINSTANCE instance, HWND owner);

}  // namespace hexcribe::app::win32
