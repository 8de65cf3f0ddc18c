// The Windows API for Hexcribe's Win32 code: <windows.h> without the macros that collide with our names.
#pragma once

#include <windows.h>

// <windows.h> maps these to the WIN.INI functions GetProfileStringW and
// WriteProfileStringW, which would rename hexcribe::platform's profile functions.
#undef GetProfileString
#undef WriteProfileString
