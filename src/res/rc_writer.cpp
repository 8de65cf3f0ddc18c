// Writes the dialog templates, their initial list items and the string table as resource-script text.
#include "res/rc_writer.h"

#include <string_view>

#include "core/hex_text.h"
#include "core/utf8_text.h"
#include "res/dialog_templates.h"
#include "res/resource.h"

namespace hexcribe::res {
namespace {

// Predefined control classes by ordinal, as dialog templates store them.
std::string_view ClassOrdinal(ControlClass controlClass) {
  switch (controlClass) {
    case ControlClass::kButton: return "0x0080";
    case ControlClass::kEdit: return "0x0081";
    case ControlClass::kStatic: return "0x0082";
    case ControlClass::kComboBox: return "0x0085";
  }
  return "0x0082";
}

// The resource type of the initial list items, and the message each item is added with.
constexpr int kDialogInitType = 240;
constexpr std::string_view kAddStringMessage = "0x0403";

std::string Hex(std::uint32_t value) { return "0x" + UpperHex(value, 8); }

// A quoted resource-script string: quotes doubled, backslashes and carriage returns escaped.
std::string Quoted(std::u16string_view text) {
  std::string out = "\"";
  for (const char c : EncodeUtf8(text, InvalidUtf8::Replace)) {
    if (c == '"') {
      out += "\"\"";
    } else if (c == '\\') {
      out += "\\\\";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\n') {
      out += "\\n";
    } else {
      out += c;
    }
  }
  return out + "\"";
}

void WriteDialog(std::string& out, const DialogTemplate& dialog) {
  out += std::to_string(dialog.id) + (dialog.extended ? " DIALOGEX " : " DIALOG ") + std::to_string(dialog.x) + ", " +
         std::to_string(dialog.y) + ", " + std::to_string(dialog.width) + ", " + std::to_string(dialog.height) + "\n";
  out += "STYLE " + Hex(dialog.style) + "\n";
  if (dialog.exStyle != 0) out += "EXSTYLE " + Hex(dialog.exStyle) + "\n";
  out += "CAPTION " + Quoted(dialog.caption) + "\n";
  out += "FONT " + std::to_string(dialog.pointSize) + ", " + Quoted(dialog.fontFace);
  if (dialog.extended) {
    out += ", " + std::to_string(dialog.fontWeight) + ", " + (dialog.italic ? "1" : "0") + ", " +
           std::to_string(dialog.charset);
  }
  out += "\nBEGIN\n";
  for (const ControlTemplate& control : dialog.controls) {
    // An icon static names its icon by ordinal in place of a text.
    const std::string text = control.iconId != 0 ? std::to_string(control.iconId) : Quoted(control.text);
    out += "    CONTROL " + text + ", " + std::to_string(control.id) + ", " +
           std::string(ClassOrdinal(control.controlClass)) + ", " + Hex(control.style) + ", " +
           std::to_string(control.x) + ", " + std::to_string(control.y) + ", " + std::to_string(control.width) +
           ", " + std::to_string(control.height) + "\n";
  }
  out += "END\n\n";
}

bool WriteInitialItems(std::string& out, const DialogTemplate& dialog) {
  if (dialog.initialData.empty()) return true;
  out += std::to_string(dialog.id) + " " + std::to_string(kDialogInitType) + "\nBEGIN\n";
  for (const InitialItems& list : dialog.initialData) {
    for (const int textId : list.textIds) {
      const std::u16string_view item = LoadResourceString(textId);
      std::string ascii;
      for (const char16_t unit : item) {
        if (unit == 0 || unit >= 0x80 || unit == u'"' || unit == u'\\') return false;
        ascii += static_cast<char>(unit);
      }
      // Per item: control id, message, byte length with the terminator, NUL-terminated text.
      out += "    " + std::to_string(list.controlId) + ", " + std::string(kAddStringMessage) + ", " +
             std::to_string(ascii.size() + 1) + "L, \"" + ascii + "\\0\",\n";
    }
  }
  out += "    0\nEND\n\n";
  return true;
}

}  // namespace

std::optional<std::string> WriteDialogResources() {
  std::string out;
  for (const DialogTemplate* dialog : {&MainDialogTemplate(), &AboutBoxTemplate()}) WriteDialog(out, *dialog);
  for (const DialogTemplate* dialog : {&MainDialogTemplate(), &AboutBoxTemplate()}) {
    if (!WriteInitialItems(out, *dialog)) return std::nullopt;
  }
  out += "STRINGTABLE\nBEGIN\n";
  for (const StringEntry& entry : kStringTable) out += "    " + std::to_string(entry.id) + " " + Quoted(entry.text) + "\n";
  out += "END\n";
  return out;
}

}  // namespace hexcribe::res
