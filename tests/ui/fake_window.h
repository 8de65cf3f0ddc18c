// In-memory dialog window for the portable dialog tests: every call that changes something is
// written to one call log, which it shares with the recording services (recording_services.h).
#pragma once

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fonts/prefix_search.h"
#include "recording_services.h"
#include "res/dialog_templates.h"
#include "res/localized_dialogs.h"
#include "ui/dialog_window.h"
#include "ui/input_limit.h"

namespace hexcribe::test {

class FakeWindow : public ui::DialogWindow {
 public:
  explicit FakeWindow(std::vector<std::string>& log) : log_(log) {
    // The lists start with the template's items, as the front ends fill them.
    for (const res::InitialItems& data : res::MainDialogTemplate().initialData) {
      for (const int textId : data.textIds) lists_[data.controlId].emplace_back(res::LoadResourceString(textId));
    }
    lists_[ui::kFontList] = {};
  }

  std::u16string GetText(int id, std::size_t capacity) const override {
    log_.push_back("GetText " + std::to_string(id) + " " + std::to_string(capacity));
    std::u16string text = RawText(id);
    if (capacity > 0 && text.size() > capacity - 1) text.resize(capacity - 1);
    return text;
  }
  void SetText(int id, const std::u16string& text) override {
    log_.push_back("SetText " + std::to_string(id) + " " + Show(text));
    texts_[id] = text;
  }
  // The fake box's cursor is at the end of its text; nothing is selected.
  void ReplaceSelection(int id, const std::u16string& text) override {
    log_.push_back("ReplaceSelection " + std::to_string(id) + " " + Show(text));
    std::u16string& box = texts_[id];
    box += ui::HeadThatFits(text, ui::kInputLimit - std::min(ui::BoxUnits(box), ui::kInputLimit));
  }
  // Without a selection of its own the cursor stands at the end of the text.
  ui::TextSelection GetSelection(int id) const override {
    auto it = selections_.find(id);
    return it != selections_.end() ? it->second : ui::TextSelection{RawText(id).size(), RawText(id).size()};
  }
  void SetSelection(int id, ui::TextSelection selection) override {
    log_.push_back("SetSelection " + std::to_string(id) + " " + std::to_string(selection.start) + "-" +
                   std::to_string(selection.end));
    selections_[id] = selection;
  }
  void ReplaceText(int id, const std::u16string& text, std::size_t cursor) override {
    log_.push_back("ReplaceText " + std::to_string(id) + " " + Show(text) + " cursor " + std::to_string(cursor));
    texts_[id] = text;
    selections_[id] = {cursor, cursor};
  }
  bool ShowCharacterDetails() override {
    log_.push_back("ShowCharacterDetails");
    return true;
  }
  void CharacterRowsChanged(std::size_t rowCount, const std::u16string& face) override {
    log_.push_back("CharacterRows " + std::to_string(rowCount) + " " + Show(face));
  }
  void CloseCharacterDetails() override { log_.push_back("CloseCharacterDetails"); }
  void SetTitle(const std::u16string& title) override {
    log_.push_back("SetTitle " + Show(title));
    title_ = title;
  }
  int GetItemCount(int id) const override { return static_cast<int>(Items(id).size()); }
  void DeleteItem(int id, int index) override {
    ++deletes;
    if (stuckList) return;
    auto& items = lists_[id];
    items.erase(items.begin() + index);
    selection_.erase(id);
  }
  void InsertItem(int id, int index, const std::u16string& text) override {
    auto& items = lists_[id];
    items.insert(items.begin() + index, text);
  }
  int GetCurSel(int id) const override {
    auto it = selection_.find(id);
    return it == selection_.end() ? -1 : it->second;
  }
  void SetCurSel(int id, int index) override {
    log_.push_back("SetCurSel " + std::to_string(id) + " " + std::to_string(index));
    if (index < 0 || index >= GetItemCount(id)) {
      selection_.erase(id);
    } else {
      selection_[id] = index;
    }
  }
  int SelectString(int id, int startIndex, const std::u16string& prefix) override {
    log_.push_back("SelectString " + std::to_string(id) + " " + std::to_string(startIndex) + " " + Show(prefix));
    const int found = FindItemByPrefix(Items(id), startIndex, prefix);
    if (found >= 0) selection_[id] = found;
    return found;
  }
  int GetCheck(int id) const override {
    auto it = checks_.find(id);
    return it == checks_.end() ? 0 : it->second;
  }
  void SetCheck(int id, int state) override {
    log_.push_back("SetCheck " + std::to_string(id) + " " + std::to_string(state));
    checks_[id] = state;
  }
  ui::FontHandle CreatePointFont(int tenthsOfPoint, const std::u16string& face) override {
    log_.push_back("CreatePointFont " + std::to_string(tenthsOfPoint) + " " + Show(face));
    if (failFontCreation) return 0;
    const ui::FontHandle handle = nextFont_++;
    liveFonts_.insert(handle);
    fontFaces_[handle] = face;
    fontSizes_[handle] = tenthsOfPoint;
    return handle;
  }
  void DestroyFont(ui::FontHandle font) override {
    log_.push_back("DestroyFont");
    if (liveFonts_.erase(font) == 0) ++badDestroys;
    for (const auto& [id, held] : controlFonts_) {
      if (held == font) ++destroyedWhileInUse;
    }
  }
  void SetControlFont(int id, ui::FontHandle font) override {
    if (font != 0 && !liveFonts_.contains(font)) ++badDestroys;
    controlFonts_[id] = font;
  }
  bool AddAboutMenuEntry(int commandId, const std::u16string& text) override {
    log_.push_back("AddAboutMenuEntry " + std::to_string(commandId) + " " + Show(text));
    return true;
  }
  void SetIcon(int iconId, bool big) override {
    log_.push_back("SetIcon " + std::to_string(iconId) + (big ? " big" : " small"));
  }
  void ShowAboutBox() override { log_.push_back("ShowAboutBox"); }
  void EndDialog(int result) override { log_.push_back("EndDialog " + std::to_string(result)); }

  // Test-side access, not logged: what the user would see or do.
  std::u16string RawText(int id) const {
    if (id == ui::kFontList || id == ui::kSeparationList) {
      const int sel = GetCurSel(id);
      return sel < 0 ? std::u16string() : Items(id)[static_cast<std::size_t>(sel)];
    }
    auto it = texts_.find(id);
    return it == texts_.end() ? std::u16string() : it->second;
  }
  void Type(int id, const std::u16string& text) {
    texts_[id] = text;
    selections_.erase(id);
  }
  void SetItems(int id, std::vector<std::u16string> items) { lists_[id] = std::move(items); }
  const std::vector<std::u16string>& ItemsOf(int id) const { return Items(id); }
  void Select(int id, int index) { selection_[id] = index; }
  void Check(int id, int state) { checks_[id] = state; }
  const std::u16string& title() const { return title_; }
  const std::set<ui::FontHandle>& liveFonts() const { return liveFonts_; }
  const std::u16string& FaceOf(ui::FontHandle font) const { return fontFaces_.at(font); }
  int SizeOf(ui::FontHandle font) const { return fontSizes_.at(font); }
  ui::FontHandle ControlFont(int id) const {
    auto it = controlFonts_.find(id);
    return it == controlFonts_.end() ? 0 : it->second;
  }
  std::u16string InputFace() const {
    auto it = controlFonts_.find(ui::kInputBox);
    if (it == controlFonts_.end() || it->second == 0) return u"<default>";
    return fontFaces_.at(it->second);
  }

 private:
  const std::vector<std::u16string>& Items(int id) const {
    static const std::vector<std::u16string> kNone;
    auto it = lists_.find(id);
    return it == lists_.end() ? kNone : it->second;
  }

  std::vector<std::string>& log_;
  std::map<int, std::u16string> texts_;
  std::map<int, std::vector<std::u16string>> lists_;
  std::map<int, int> selection_;
  std::map<int, ui::TextSelection> selections_;
  std::map<int, int> checks_;
  std::map<int, ui::FontHandle> controlFonts_;
  std::map<ui::FontHandle, std::u16string> fontFaces_;
  std::map<ui::FontHandle, int> fontSizes_;
  std::set<ui::FontHandle> liveFonts_;
  std::u16string title_;
  ui::FontHandle nextFont_ = 1;

 public:
  // Faults to inject, and the misuse the font and list code must never cause.
  bool failFontCreation = false;  // CreatePointFont gives 0
  bool stuckList = false;         // DeleteItem removes nothing
  int deletes = 0;
  int badDestroys = 0;            // a font destroyed twice, or given to a control after it died
  int destroyedWhileInUse = 0;    // a font destroyed while a control still shows it
};

}  // namespace hexcribe::test
