// The name a screen reader announces for a control that a static labels.
#pragma once

#include <string>
#include <string_view>

namespace hexcribe::ui {

// The label's text as a listener should hear it: mnemonic markers removed
// ("&&" stays one "&", a trailing "(&X)" of East Asian labels goes whole),
// line breaks and runs of white space as one space, no space at either end.
std::u16string AccessibleName(std::u16string_view labelText);

}  // namespace hexcribe::ui
