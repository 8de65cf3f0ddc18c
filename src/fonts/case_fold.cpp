// Case-insensitive comparison of UTF-16 code units for the face list's searches.
#include "fonts/case_fold.h"

#include "core/unicode.h"

namespace hexcribe {

char16_t FoldCase(char16_t unit) {
  const auto shifted = [unit](int delta) { return static_cast<char16_t>(unit + delta); };
  if (unit < 0x80) return FoldAscii(unit);
  // Latin-1: U+00C0..U+00DE except the multiplication sign.
  if (unit >= 0xC0 && unit <= 0xDE && unit != 0xD7) return shifted(0x20);
  // Latin Extended-A: upper/lower pairs, even/odd in two runs and odd/even in two.
  if ((unit >= 0x100 && unit <= 0x12F) || (unit >= 0x132 && unit <= 0x137) || (unit >= 0x14A && unit <= 0x177)) {
    return static_cast<char16_t>(unit | 1);
  }
  if ((unit >= 0x139 && unit <= 0x148) || (unit >= 0x179 && unit <= 0x17E)) {
    return (unit & 1) ? shifted(1) : unit;
  }
  if (unit == 0x130) return u'i';     // capital I with dot above
  if (unit == 0x178) return 0xFF;     // capital Y with diaeresis
  // Greek capitals U+0391..U+03A9 (U+03A2 is unassigned).
  if (unit >= 0x391 && unit <= 0x3A9 && unit != 0x3A2) return shifted(0x20);
  // Cyrillic: U+0400..U+040F and U+0410..U+042F.
  if (unit >= 0x400 && unit <= 0x40F) return shifted(0x50);
  if (unit >= 0x410 && unit <= 0x42F) return shifted(0x20);
  // Full-width Latin capitals, common in East Asian face names.
  if (unit >= 0xFF21 && unit <= 0xFF3A) return shifted(0x20);
  return unit;
}

}  // namespace hexcribe
