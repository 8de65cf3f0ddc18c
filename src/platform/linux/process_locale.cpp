// The locale variables of this process's environment.
#include "platform/linux/process_locale.h"

#include <cstdlib>

namespace hexcribe::platform::posix {
namespace {

std::optional<std::string> Variable(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
}

}  // namespace

LocaleEnvironment ProcessLocaleEnvironment() {
  return {Variable("LANGUAGE"), Variable("LC_ALL"), Variable("LC_MESSAGES"), Variable("LANG")};
}

}  // namespace hexcribe::platform::posix
