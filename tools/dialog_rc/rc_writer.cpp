// Writes the dialog templates, their initial list items and the string table as resource-script text.
#include "tools/dialog_rc/rc_writer.h"

#include <cstdint>
#include <string_view>

#include "core/hex_text.h"
#include "core/utf8_text.h"
#include "res/dialog_templates.h"
#include "res/localized_dialogs.h"
#include "res/resource.h"
#include "res/translations.h"

namespace hexcribe::tools {

using namespace hexcribe::res;  // the tables this tool writes out

namespace {

// The control's window class as the script names it: predefined classes by ordinal, as dialog
// templates store them; the common controls' list view by its registered name.
std::string_view ClassField(ControlClass controlClass) {
  switch (controlClass) {
    case ControlClass::kButton: return "0x0080";
    case ControlClass::kEdit: return "0x0081";
    case ControlClass::kStatic: return "0x0082";
    case ControlClass::kComboBox: return "0x0085";
    case ControlClass::kListView: return "\"SysListView32\"";
  }
  return "0x0082";
}

// The resource type of the initial list items, and the message each item is added with.
constexpr int kDialogInitType = 240;
constexpr std::string_view kAddStringMessage = "0x0403";

// value as 0x and `digits` upper-case hex digits.
std::string Hex(std::uint32_t value, int digits = 8) { return "0x" + UpperHex(value, digits); }

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
           std::string(ClassField(control.controlClass)) + ", " + Hex(control.style) + ", " +
           std::to_string(control.x) + ", " + std::to_string(control.y) + ", " + std::to_string(control.width) +
           ", " + std::to_string(control.height) + "\n";
  }
  out += "END\n\n";
}

// The initial list items. Their text is 8-bit: each is stored as UTF-8, whatever the ANSI code page
// of the system that reads it (the program's own reader takes UTF-8 first; ASCII reads the same
// either way). The resource script gets the bytes as 16-bit numbers, so no code page of the resource
// compiler touches them: per item the control id, the message, the byte count (the terminator and a
// second zero to an even count included) and the bytes, low byte first in each number.
bool WriteInitialItems(std::string& out, const DialogTemplate& dialog, const Translation* language) {
  if (dialog.initialData.empty()) return true;
  out += std::to_string(dialog.id) + " " + std::to_string(kDialogInitType) + "\nBEGIN\n";
  for (const InitialItems& list : dialog.initialData) {
    for (const int textId : list.textIds) {
      const std::u16string_view item = LoadResourceString(textId, language);
      if (item.find(u'\0') != std::u16string_view::npos) return false;
      std::string bytes = EncodeUtf8(item, InvalidUtf8::Replace);
      bytes.append(bytes.size() % 2 == 0 ? 2 : 1, '\0');
      out += "    " + std::to_string(list.controlId) + ", " + std::string(kAddStringMessage) + ", " +
             std::to_string(bytes.size()) + "L";
      for (std::size_t i = 0; i < bytes.size(); i += 2) {
        const auto low = static_cast<unsigned char>(bytes[i]);
        const auto high = static_cast<unsigned char>(bytes[i + 1]);
        out += ", " + Hex(static_cast<std::uint32_t>(high << 8 | low), 4);
      }
      out += ",\n";
    }
  }
  out += "    0\nEND\n\n";
  return true;
}

// LANGUAGE statement for a Windows language id: primary language, then sublanguage.
std::string LanguageStatement(std::uint16_t languageId) {
  return "LANGUAGE " + Hex(languageId & 0x3FFu, 4) + ", " + Hex(languageId >> 10u, 2) + "\n\n";
}

// One language's dialogs, initial list items and string table, the marker string included.
bool WriteLanguage(std::string& out, const Translation* language, std::uint16_t languageId) {
  out += LanguageStatement(languageId);
  const DialogTemplate* dialogs[] = {&MainDialogTemplate(language), &AboutBoxTemplate(language),
                                     &CharacterDetailsTemplate(language)};
  for (const DialogTemplate* dialog : dialogs) WriteDialog(out, *dialog);
  for (const DialogTemplate* dialog : dialogs) {
    if (!WriteInitialItems(out, *dialog, language)) return false;
  }
  out += "STRINGTABLE\nBEGIN\n";
  for (const StringEntry& entry : kStringTable) {
    out += "    " + std::to_string(entry.id) + " " + Quoted(LoadResourceString(entry.id, language)) + "\n";
  }
  const std::string_view code = language != nullptr ? language->code : kEnglishCode;
  out += "    " + std::to_string(IDS_UI_LANGUAGE) + " \"" + std::string(code) + "\"\n";
  out += "END\n\n";
  return true;
}

constexpr std::uint16_t kUsEnglish = 0x0409;

}  // namespace

std::optional<std::string> WriteDialogResources() {
  std::string out;
  if (!WriteLanguage(out, nullptr, kUsEnglish)) return std::nullopt;
  for (const Translation& translation : Translations()) {
    for (const std::uint16_t languageId : translation.windowsLanguages) {
      if (!WriteLanguage(out, &translation, languageId)) return std::nullopt;
    }
  }
  // What follows in the including script is English again.
  out += LanguageStatement(kUsEnglish);
  return out;
}

}  // namespace hexcribe::tools
