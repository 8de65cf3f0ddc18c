// The resource tables: ids, texts, tab order and geometry hold what the front ends rely on.
#include "res/dialog_templates.h"
#include "res/localized_dialogs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>

#include "res/language_layout.h"
#include "res/window_styles.h"
#include "ui/dialog_window.h"

namespace hexcribe::res {
namespace {

TEST(Resources, MainDialogControlsAreUniqueInsideTheDialogAndTabOrdered) {
  const DialogTemplate& dialog = MainDialogTemplate();
  std::set<int> ids;
  std::vector<int> tabStops;
  for (const ControlTemplate& c : dialog.controls) {
    if (c.id != IDC_STATIC) {
      EXPECT_TRUE(ids.insert(c.id).second) << "duplicate id " << c.id;
    }
    if (c.style & kWsTabStop) tabStops.push_back(c.id);
    EXPECT_GE(c.x, 0);
    EXPECT_GE(c.y, 0);
    EXPECT_LE(c.x + c.width, dialog.width) << c.id;
    // A combo box's height is its dropped-down list, which may reach below the dialog.
    if (c.controlClass != ControlClass::kComboBox) {
      EXPECT_LE(c.y + c.height, dialog.height) << c.id;
    }
  }
  std::set<int> stringIds;
  for (const StringEntry& entry : kStringTable) EXPECT_TRUE(stringIds.insert(entry.id).second) << "string " << entry.id;
  const std::vector<int> expected = {ui::kFontList,  ui::kResultBox,  ui::kWholeCommand, ui::kSeparationList,
                                     ui::kCopyButton, ui::kCloseButton, ui::kInputBox};
  EXPECT_EQ(tabStops, expected);
}

TEST(Resources, EachListAndTextBoxFollowsTheStaticThatNamesIt) {
  const DialogTemplate& dialog = MainDialogTemplate();
  const std::pair<int, std::u16string_view> labels[] = {
      {ui::kFontList, u"Font"},
      {ui::kResultBox, u"Result of Command"},
      {ui::kSeparationList, u"Separation"},
      {ui::kInputBox, u"The text you want to print on LCD in any language:"},
      {ui::kCopyButton, u""},  // a button carries its own name
  };
  for (const auto& [id, text] : labels) {
    const ControlTemplate* label = LabelOf(dialog, id);
    EXPECT_EQ(label ? label->text : u"", text) << id;
  }
}

TEST(Resources, ControlKindsMatchWhatTheDialogRelyOn) {
  const DialogTemplate& dialog = MainDialogTemplate();
  for (int id : {ui::kFontList, ui::kSeparationList}) {
    const ControlTemplate* c = FindControl(dialog, id);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->controlClass, ControlClass::kComboBox);
    EXPECT_EQ(c->style & kCbsTypeMask, kCbsDropDownList) << id;  // not editable
    EXPECT_EQ(c->style & kCbsSort, 0u) << id;                    // items stay in insertion order
  }
  for (int id : {ui::kInputBox, ui::kResultBox}) {
    const ControlTemplate* c = FindControl(dialog, id);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->controlClass, ControlClass::kEdit);
    EXPECT_NE(c->style & kEsMultiline, 0u);
    EXPECT_NE(c->style & kWsVScroll, 0u);
    EXPECT_EQ(c->style & (kEsWantReturn | kEsReadOnly), 0u) << id;
  }
  EXPECT_EQ(FindControl(dialog, ui::kWholeCommand)->style & kBsTypeMask, kBsAutoCheckBox);
  ASSERT_EQ(dialog.initialData.size(), 1u);
  EXPECT_EQ(dialog.initialData[0].controlId, ui::kSeparationList);
  std::vector<std::u16string_view> items;
  for (const int textId : dialog.initialData[0].textIds) items.push_back(LoadResourceString(textId));
  EXPECT_EQ(items, (std::vector<std::u16string_view>{u"Space", u"No Space", u"Comma", u"Hyphen"}));
}

TEST(Resources, TextsAreExact) {
  EXPECT_EQ(std::count(kInstructionsText.begin(), kInstructionsText.end(), u'\r'), 1);
  EXPECT_EQ(kInstructionsText.find(u'\n'), std::u16string_view::npos);
  EXPECT_NE(kInstructionsText.find(u"Unicode format  which"), std::u16string_view::npos);
  EXPECT_NE(kInstructionsText.find(u"'Print command'.\rThe Appropriate IME"), std::u16string_view::npos);
  EXPECT_EQ(LoadResourceString(IDS_ABOUTBOX), u"&About Hexcribe...");
  EXPECT_EQ(LoadResourceString(IDS_ABOUTBOX + 1), u"");
  EXPECT_EQ(MainDialogTemplate().caption, u"Hexcribe");
  EXPECT_EQ(AboutBoxTemplate().caption, u"About Hexcribe");
}

TEST(Resources, TemplatesAndLayoutRowsFindTheirControlsByIdAndAboutBoxHasItsIconAndOk) {
  // Every per-language layout row names a translation, a dialog and one of its controls.
  for (const LayoutChange& change : LayoutChanges()) {
    const auto template_ = std::find_if(SourceDialogTemplates().begin(), SourceDialogTemplates().end(),
                                        [&](const DialogTemplate* d) { return d->id == change.dialogId; });
    ASSERT_NE(template_, SourceDialogTemplates().end()) << change.language << " dialog " << change.dialogId;
    EXPECT_TRUE(change.controlId == kWholeDialog ||
                (change.controlId != IDC_STATIC && FindControl(**template_, change.controlId) != nullptr))
        << change.language << " control " << change.controlId;
    EXPECT_TRUE(std::any_of(Translations().begin(), Translations().end(),
                            [&](const Translation& t) { return t.code == change.language; }))
        << change.language;
  }
  EXPECT_EQ(FindDialogTemplate(IDD_CONVERTER_DIALOG), &MainDialogTemplate());
  EXPECT_EQ(FindDialogTemplate(IDD_ABOUTBOX), &AboutBoxTemplate());
  EXPECT_EQ(FindDialogTemplate(IDS_ABOUTBOX), nullptr);
  const DialogTemplate& about = AboutBoxTemplate();
  EXPECT_EQ(about.controls.front().style, kSsIcon);
  EXPECT_EQ(about.controls.front().iconId, IDR_MAINFRAME);
  const ControlTemplate* ok = FindControl(about, IDOK);
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ok->style & kBsTypeMask, kBsDefPushButton);
}

}  // namespace
}  // namespace hexcribe::res
