// Reads a compiled dialog template (classic DLGTEMPLATE or extended DLGTEMPLATEEX) back into fields.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace hexcribe::testing {

// A name-or-ordinal field of a template (class, text, menu).
struct NameOrOrdinal {
  std::optional<std::uint16_t> ordinal;
  std::u16string name;
};

struct CompiledControl {
  std::uint32_t style = 0;
  std::uint32_t exStyle = 0;
  int x = 0, y = 0, width = 0, height = 0;
  int id = 0;  // sign-extended from 16 bits in a classic template
  NameOrOrdinal windowClass;
  NameOrOrdinal text;
  std::uint16_t extraBytes = 0;
};

struct CompiledDialog {
  bool extended = false;
  std::uint32_t style = 0;
  std::uint32_t exStyle = 0;
  int x = 0, y = 0, width = 0, height = 0;
  NameOrOrdinal menu;
  NameOrOrdinal windowClass;
  std::u16string caption;
  int pointSize = 0;
  int weight = 0;   // extended templates only
  bool italic = false;
  int charset = 0;  // extended templates only
  std::u16string fontFace;
  std::vector<CompiledControl> controls;
};

// nullopt when the bytes are no well-formed template.
std::optional<CompiledDialog> ParseDialogTemplate(std::span<const std::uint8_t> bytes);

}  // namespace hexcribe::testing
