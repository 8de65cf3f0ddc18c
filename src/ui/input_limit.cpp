// Fitting insertions into the input box's length limit.
#include "ui/input_limit.h"

#include "core/unicode.h"

namespace hexcribe::ui {
namespace {

// Length in `text` of the character or line break starting at `i`, and the box units it takes.
struct Step {
  std::size_t length;
  std::size_t units;
};

Step StepAt(std::u16string_view text, std::size_t i) {
  const char16_t unit = text[i];
  const bool hasNext = i + 1 < text.size();
  if (unit == u'\r') return hasNext && text[i + 1] == u'\n' ? Step{2, 2} : Step{1, 2};
  if (unit == u'\n' || unit == u'\u2029') return {1, 2};
  if (IsHighSurrogate(unit) && hasNext && IsLowSurrogate(text[i + 1])) return {2, 2};
  return {1, 1};
}

}  // namespace

std::size_t BoxUnits(std::u16string_view text) {
  std::size_t units = 0;
  for (std::size_t i = 0; i < text.size();) {
    const Step step = StepAt(text, i);
    units += step.units;
    i += step.length;
  }
  return units;
}

std::u16string_view HeadThatFits(std::u16string_view text, std::size_t room) {
  std::size_t used = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    const Step step = StepAt(text, i);
    if (used + step.units > room) break;
    used += step.units;
    i += step.length;
  }
  return text.substr(0, i);
}

}  // namespace hexcribe::ui
