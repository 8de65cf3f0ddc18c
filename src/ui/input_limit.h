// The input box's length limit, as a Windows edit control keeps it: how much of
// an insertion fits, counted in UTF-16 units with each line break as CR LF.
#pragma once

#include <cstddef>
#include <string_view>

namespace hexcribe::ui {

// A Windows edit control's default limit, in UTF-16 units.
inline constexpr std::size_t kInputLimit = 32767;

// The units `text` takes in the box: a line break ("\r\n", "\n" or a lone
// "\r") counts as the two units of CR LF, a paragraph separator (U+2029) too.
std::size_t BoxUnits(std::u16string_view text);

// The longest head of `text` that takes at most `room` units, cut neither
// inside a surrogate pair nor inside a line break.
std::u16string_view HeadThatFits(std::u16string_view text, std::size_t room);

}  // namespace hexcribe::ui
