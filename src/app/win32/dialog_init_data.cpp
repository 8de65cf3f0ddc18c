// A dialog's initial control data (the RT_DLGINIT resource): the list items it holds at creation.
#include "app/win32/dialog_init_data.h"

#include <cstring>
#include <utility>

namespace hexcribe::app::win32 {
namespace {

// 16-bit message codes the initial data uses.
constexpr std::uint16_t kAddComboString = 0x0403;
constexpr std::uint16_t kAddListString = 0x0401;

template <typename T>
T ReadLittleEndian(std::span<const std::uint8_t> bytes, std::size_t offset) {
  T value = 0;
  for (std::size_t i = 0; i < sizeof(T); ++i) value |= static_cast<T>(bytes[offset + i]) << (8 * i);
  return value;
}

}  // namespace

std::vector<DialogInitEntry> ParseDialogInitData(std::span<const std::uint8_t> bytes) {
  std::vector<DialogInitEntry> entries;
  std::size_t offset = 0;
  while (offset + 2 <= bytes.size()) {
    const auto controlId = ReadLittleEndian<std::uint16_t>(bytes, offset);
    if (controlId == 0) break;
    if (offset + 8 > bytes.size()) break;
    const auto message = ReadLittleEndian<std::uint16_t>(bytes, offset + 2);
    const auto length = ReadLittleEndian<std::uint32_t>(bytes, offset + 4);
    offset += 8;
    if (length > bytes.size() - offset) break;
    std::string text(reinterpret_cast<const char*>(bytes.data() + offset), length);
    // The text carries its own terminator; anything after a zero byte is not text.
    text.resize(std::strlen(text.c_str()));
    entries.push_back({static_cast<std::int16_t>(controlId), message, std::move(text)});
    offset += length;
  }
  return entries;
}

std::vector<DialogInitEntry> LoadDialogInitData(HINSTANCE module, int dialogId) {
  const HRSRC info = ::FindResourceW(module, MAKEINTRESOURCEW(dialogId), MAKEINTRESOURCEW(kDialogInitType));
  if (info == nullptr) return {};
  const HGLOBAL loaded = ::LoadResource(module, info);
  const void* data = loaded != nullptr ? ::LockResource(loaded) : nullptr;
  if (data == nullptr) return {};
  return ParseDialogInitData({static_cast<const std::uint8_t*>(data), ::SizeofResource(module, info)});
}

void ApplyDialogInitData(HWND dialog, const std::vector<DialogInitEntry>& entries) {
  for (const DialogInitEntry& entry : entries) {
    UINT message = 0;
    if (entry.message == kAddComboString) message = CB_ADDSTRING;
    if (entry.message == kAddListString) message = LB_ADDSTRING;
    if (message == 0) continue;
    // The controls take UTF-16. MB_ERR_INVALID_CHARS makes the UTF-8 reading fail on ANSI bytes.
    std::wstring wide(entry.text.size(), L'\0');
    int units = 0;
    for (const auto& [codePage, flags] : {std::pair<UINT, DWORD>{CP_UTF8, MB_ERR_INVALID_CHARS}, {CP_ACP, 0}}) {
      if (entry.text.empty()) break;
      units = ::MultiByteToWideChar(codePage, flags, entry.text.data(), static_cast<int>(entry.text.size()),
                                    wide.data(), static_cast<int>(wide.size()));
      if (units > 0) break;
    }
    wide.resize(units > 0 ? static_cast<std::size_t>(units) : 0);
    ::SendDlgItemMessageW(dialog, entry.controlId, message, 0, reinterpret_cast<LPARAM>(wide.c_str()));
  }
}

}  // namespace hexcribe::app::win32
