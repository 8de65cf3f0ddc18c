// The texts translators translate, as the entries of a gettext template (hexcribe.pot).
#include "tools/translations/translation_template.h"

#include <set>
#include <string_view>

#include "core/utf8_text.h"
#include "res/dialog_templates.h"
#include "res/localized_dialogs.h"
#include "res/window_styles.h"

namespace hexcribe::tools {

using namespace hexcribe::res;  // the tables this tool writes out

namespace {

std::string_view DialogName(int id) {
  switch (id) {
    case IDD_ABOUTBOX: return "About box";
    case IDD_CHARACTER_DETAILS: return "Character Details window";
    default: return "main window";
  }
}

std::string_view ControlKind(const ControlTemplate& control) {
  switch (control.controlClass) {
    case ControlClass::kStatic: return "label";
    case ControlClass::kEdit: return "text box";
    case ControlClass::kComboBox: return "list";
    case ControlClass::kListView: return "list of rows";
    case ControlClass::kButton:
      return (control.style & kBsTypeMask) == kBsAutoCheckBox ? "check box" : "button";
  }
  return "control";
}

// A PO string: quoted, with C escapes. The dialogs break a static text's lines with a carriage
// return, which gettext's tools do not accept in texts: PO files write it as a line feed, which
// compile_translations.py turns back.
std::string PoString(std::u16string_view text) {
  std::string out = "\"";
  for (const char c : EncodeUtf8(text, InvalidUtf8::Replace)) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\r':
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      default: out += c;
    }
  }
  return out + "\"";
}

// The string table's entry of id; every list item names one (the dialog tables check it).
const StringEntry* FindString(int id) {
  for (const StringEntry& entry : kStringTable) {
    if (entry.id == id) return &entry;
  }
  return nullptr;
}

class EntryWriter {
 public:
  void Add(std::u16string_view english, const std::string& where, std::string_view note) {
    if (english.empty() || !seen_.insert(english).second) return;
    out_.entries.append("#. ").append(where).append("\n");
    if (!note.empty()) out_.entries.append("#. ").append(note).append("\n");
    // The flags make msgfmt --check hold each translation to the text's placeholders.
    const bool cFormat = english.find(u"%s") != std::u16string_view::npos;
    const bool qtFormat = english.find(u"%1") != std::u16string_view::npos;
    if (cFormat) out_.entries.append("#, c-format\n");
    if (qtFormat) out_.entries.append("#, qt-format\n");
    // Translators cannot guess what a number stands for: each placeholder needs the note.
    if ((cFormat || qtFormat) && note.empty()) out_.unexplained.push_back(PoString(english));
    out_.entries.append("msgid ").append(PoString(english)).append("\nmsgstr \"\"\n\n");
  }
  TemplateEntries Take() { return std::move(out_); }

 private:
  std::set<std::u16string_view> seen_;
  TemplateEntries out_;
};

}  // namespace

TemplateEntries WriteTranslationTemplateEntries() {
  EntryWriter writer;
  for (const DialogTemplate* dialog : SourceDialogTemplates()) {
    const std::string_view name = DialogName(dialog->id);
    // The main window's caption is the product name, replaced by the title at start-up.
    if (dialog->id != IDD_CONVERTER_DIALOG) writer.Add(dialog->caption, std::string(name).append(", title"), {});
    for (const ControlTemplate& control : dialog->controls) {
      if (control.iconId != 0) continue;
      std::string where = std::string(name).append(", ").append(ControlKind(control));
      // A label is found by the control after it; the id is for the controls a user works.
      if (control.controlClass != ControlClass::kStatic) where.append(" ").append(std::to_string(control.id));
      writer.Add(control.text, where, control.translatorNote);
    }
    for (const InitialItems& list : dialog->initialData) {
      for (const int textId : list.textIds) {
        const StringEntry* entry = FindString(textId);
        if (entry == nullptr) continue;
        writer.Add(entry->text, std::string(name).append(", an item of list ").append(std::to_string(list.controlId)),
                   entry->translatorNote);
      }
    }
  }
  for (const StringEntry& entry : kStringTable) {
    writer.Add(entry.text, std::string("string ").append(std::to_string(entry.id)), entry.translatorNote);
  }
  return writer.Take();
}

}  // namespace hexcribe::tools
