// Dialog fonts and geometry per language: where a translation's texts need more room than the
// English layout gives, its controls grow here (measured by the fit checks on both front ends).
#include "res/language_layout.h"

#include "res/resource.h"

namespace hexcribe::res {
namespace {

// Windows' own user-interface faces for these scripts (Windows 7 and later; where one is missing,
// the character set picks another face of the script). The scripts' glyphs need 9 points to
// stay legible at 96 dpi.
constexpr int kHangulCharset = 129;
constexpr int kShiftJisCharset = 128;
constexpr int kGb2312Charset = 134;
constexpr int kBig5Charset = 136;
constexpr LanguageFont kFonts[] = {
    {"ko", u"Malgun Gothic", 9, kHangulCharset},
    {"ja", u"Meiryo UI", 9, kShiftJisCharset},
    {"zh_CN", u"Microsoft YaHei UI", 9, kGb2312Charset},
    {"zh_TW", u"Microsoft JhengHei UI", 9, kBig5Charset},
};

// language, dialog, control, then dx, dy, dwidth, dheight.
constexpr LayoutChange kChanges[] = {
    // Japanese: the instructions take four lines; in the bottom row "Copy to Clipboard" and the
    // Separation list's items are wider, the check box and the label narrower than in English.
    {"ja", IDD_CONVERTER_DIALOG, IDC_INSTRUCTIONS, 0, -3, 0, 3},
    {"ja", IDD_CONVERTER_DIALOG, IDC_WHOLE_COMMAND, 0, 0, -13, 0},
    {"ja", IDD_CONVERTER_DIALOG, IDC_SEPARATION_LABEL, -14, 0, -15, 0},
    {"ja", IDD_CONVERTER_DIALOG, IDC_SEPARATION_COMBO, -29, 0, 5, 0},
    {"ja", IDD_CONVERTER_DIALOG, IDC_COPY_CLIPBOARD, -24, 0, 24, 0},
};

}  // namespace

std::span<const LanguageFont> LanguageFonts() { return kFonts; }

std::span<const LayoutChange> LayoutChanges() { return kChanges; }

}  // namespace hexcribe::res
