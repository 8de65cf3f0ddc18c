// Faults a user or the system can cause around the settings file: nothing crashes, nothing is lost.
#include <gtest/gtest.h>

namespace hexcribe {
namespace {}  // namespace
}  // namespace hexcribe
