// The locale variables of this process's environment.
#pragma once

#include "core/locale_environment.h"

namespace hexcribe::platform::posix {

// LANGUAGE, LC_ALL, LC_MESSAGES and LANG as the process's environment has them.
LocaleEnvironment ProcessLocaleEnvironment();

}  // namespace hexcribe::platform::posix
