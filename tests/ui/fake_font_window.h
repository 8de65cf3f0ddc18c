// An in-memory dialog window for the display-font tests: lists, texts and a font table that records who holds which font.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "ui/dialog_window.h"

namespace hexcribe::test {

class FakeFontWindow : public ui::DialogWindow {
 public:
  std::u16string GetText(int id, std::size_t capacity) const override {
    std::u16string text;
    if (auto list = lists.find(id); list != lists.end()) {
      auto sel = selection.find(id);
      if (sel != selection.end() && sel->second >= 0) text = list->second[static_cast<std::size_t>(sel->second)];
    } else if (auto it = texts.find(id); it != texts.end()) {
      text = it->second;
    }
    if (capacity != 0 && text.size() >= capacity) text.resize(capacity - 1);
    return text;
  }
  void SetText(int id, const std::u16string& text) override { texts[id] = text; }
  void SetTitle(const std::u16string& text) override { title = text; }

  int GetItemCount(int id) const override {
    auto it = lists.find(id);
    return it == lists.end() ? 0 : static_cast<int>(it->second.size());
  }
  void DeleteItem(int id, int index) override {
    ++deletes;
    if (stuckList) return;
    auto& items = lists[id];
    if (index >= 0 && index < static_cast<int>(items.size())) items.erase(items.begin() + index);
  }
  void InsertItem(int id, int index, const std::u16string& text) override {
    auto& items = lists[id];
    items.insert(items.begin() + index, text);
  }
  int GetCurSel(int id) const override {
    auto it = selection.find(id);
    return it == selection.end() ? -1 : it->second;
  }
  void SetCurSel(int id, int index) override { selection[id] = index; }
  int SelectString(int, int, const std::u16string&) override { return -1; }
  int GetCheck(int) const override { return 0; }
  void SetCheck(int, int) override {}

  ui::FontHandle CreatePointFont(int tenthsOfPoint, const std::u16string& face) override {
    if (failFontCreation) return 0;
    const ui::FontHandle handle = nextHandle++;
    alive[handle] = Font{tenthsOfPoint, face};
    return handle;
  }
  void DestroyFont(ui::FontHandle font) override {
    if (alive.erase(font) == 0) ++badDestroys;
    for (const auto& [id, held] : controlFonts) {
      if (held == font) ++destroyedWhileInUse;
    }
  }
  void SetControlFont(int id, ui::FontHandle font) override {
    if (font != 0 && !alive.contains(font)) ++badDestroys;
    controlFonts[id] = font;
  }

  struct Font {
    int tenthsOfPoint;
    std::u16string face;
  };
  std::map<int, std::vector<std::u16string>> lists;
  std::map<int, int> selection;
  std::map<int, std::u16string> texts;
  std::u16string title;
  std::map<ui::FontHandle, Font> alive;
  std::map<int, ui::FontHandle> controlFonts;
  ui::FontHandle nextHandle = 1;
  int badDestroys = 0;
  int destroyedWhileInUse = 0;
  int deletes = 0;
  bool failFontCreation = false;
  bool stuckList = false;
};

}  // namespace hexcribe::test
