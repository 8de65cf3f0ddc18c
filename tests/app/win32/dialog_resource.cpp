// Reads a compiled dialog template (classic DLGTEMPLATE or extended DLGTEMPLATEEX) back into fields.
#include "dialog_resource.h"

#include <utility>

namespace hexcribe::testing {
namespace {

// A little-endian reader that records running past the end instead of reading there.
class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  bool ok() const { return ok_; }
  std::uint16_t Word() {
    if (offset_ + 2 > bytes_.size()) return Fail();
    const auto value = static_cast<std::uint16_t>(bytes_[offset_] | (bytes_[offset_ + 1] << 8));
    offset_ += 2;
    return value;
  }
  std::uint32_t Dword() {
    const std::uint32_t low = Word();
    return low | (static_cast<std::uint32_t>(Word()) << 16);
  }
  std::uint8_t Byte() {
    if (offset_ + 1 > bytes_.size()) return Fail();
    return bytes_[offset_++];
  }
  int Short() { return static_cast<std::int16_t>(Word()); }
  std::u16string String() {
    std::u16string text;
    for (char16_t unit = static_cast<char16_t>(Word()); ok_ && unit != 0; unit = static_cast<char16_t>(Word())) {
      text.push_back(unit);
    }
    return text;
  }
  NameOrOrdinal NameOrOrdinalField() {
    NameOrOrdinal field;
    const std::uint16_t first = Word();
    if (first == 0xFFFF) {
      field.ordinal = Word();
    } else if (first != 0) {
      field.name.push_back(static_cast<char16_t>(first));
      field.name += String();
    }
    return field;
  }
  void AlignToDword() { offset_ = (offset_ + 3) & ~static_cast<std::size_t>(3); }
  void Skip(std::size_t count) {
    if (offset_ + count > bytes_.size()) {
      Fail();
      return;
    }
    offset_ += count;
  }

 private:
  std::uint16_t Fail() {
    ok_ = false;
    offset_ = bytes_.size();
    return 0;
  }

  std::span<const std::uint8_t> bytes_;
  std::size_t offset_ = 0;
  bool ok_ = true;
};

// The styles of the dialog or a control: an extended template has a help id and the extended style first.
template <typename Item>
void ReadStyles(Reader& in, bool extended, Item& item) {
  if (extended) {
    in.Dword();  // help id
    item.exStyle = in.Dword();
    item.style = in.Dword();
  } else {
    item.style = in.Dword();
    item.exStyle = in.Dword();
  }
}

// The position and size of the dialog or a control, in dialog units.
template <typename Item>
void ReadPlace(Reader& in, Item& item) {
  item.x = in.Short();
  item.y = in.Short();
  item.width = in.Short();
  item.height = in.Short();
}

constexpr std::uint32_t kDsSetFont = 0x40;
constexpr std::uint32_t kDsShellFont = 0x48;

}  // namespace

std::optional<CompiledDialog> ParseDialogTemplate(std::span<const std::uint8_t> bytes) {
  Reader in(bytes);
  CompiledDialog dialog;
  int count = 0;
  const std::uint16_t version = in.Word();
  const std::uint16_t signature = in.Word();
  dialog.extended = version == 1 && signature == 0xFFFF;
  if (!dialog.extended) in = Reader(bytes);  // a classic template starts with its style
  ReadStyles(in, dialog.extended, dialog);
  count = in.Word();
  ReadPlace(in, dialog);
  dialog.menu = in.NameOrOrdinalField();
  dialog.windowClass = in.NameOrOrdinalField();
  dialog.caption = in.String();
  if ((dialog.style & kDsSetFont) != 0 || (dialog.style & kDsShellFont) == kDsShellFont) {
    dialog.pointSize = in.Word();
    if (dialog.extended) {
      dialog.weight = in.Word();
      dialog.italic = in.Byte() != 0;
      dialog.charset = in.Byte();
    }
    dialog.fontFace = in.String();
  }
  for (int i = 0; i < count && in.ok(); ++i) {
    in.AlignToDword();
    CompiledControl control;
    ReadStyles(in, dialog.extended, control);
    ReadPlace(in, control);
    control.id = dialog.extended ? static_cast<int>(static_cast<std::int32_t>(in.Dword())) : in.Short();
    control.windowClass = in.NameOrOrdinalField();
    control.text = in.NameOrOrdinalField();
    control.extraBytes = in.Word();
    in.Skip(control.extraBytes);
    dialog.controls.push_back(std::move(control));
  }
  if (!in.ok()) return std::nullopt;
  return dialog;
}

}  // namespace hexcribe::testing
