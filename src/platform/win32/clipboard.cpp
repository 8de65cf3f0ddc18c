// Win32 clipboard: the command as CF_TEXT in the ANSI code page, with its terminating zero byte,
// and the clipboard's text read back as CF_UNICODETEXT.
#include "platform/win32/windows_api.h"

#include <climits>
#include <cstring>
#include <optional>
#include <string>

#include "platform/platform.h"

namespace hexcribe::platform {

namespace {

// OpenClipboard ... CloseClipboard.
class ClipboardSession {
 public:
  explicit ClipboardSession(HWND owner) : open_(::OpenClipboard(owner) != 0) {}
  ~ClipboardSession() {
    if (open_) ::CloseClipboard();
  }
  ClipboardSession(const ClipboardSession&) = delete;
  ClipboardSession& operator=(const ClipboardSession&) = delete;
  bool open() const { return open_; }

 private:
  bool open_;
};

}  // namespace

std::string ToClipboardBytes(std::u16string_view text) {
  if (text.empty() || text.size() > static_cast<std::size_t>(INT_MAX)) return {};
  const auto* units = reinterpret_cast<const wchar_t*>(text.data());
  const int unitCount = static_cast<int>(text.size());
  // The size first, then the conversion into a buffer of exactly that size
  // (a fixed 2 bytes per unit would be too small for a multi-byte code page).
  const int byteCount =
      ::WideCharToMultiByte(CP_ACP, WC_COMPOSITECHECK, units, unitCount, nullptr, 0, nullptr, nullptr);
  if (byteCount <= 0) return {};
  std::string bytes(static_cast<std::size_t>(byteCount), '\0');
  const int converted =
      ::WideCharToMultiByte(CP_ACP, WC_COMPOSITECHECK, units, unitCount, bytes.data(), byteCount, nullptr, nullptr);
  if (converted <= 0) return {};
  bytes.resize(static_cast<std::size_t>(converted));
  return bytes;
}

bool PutTextOnClipboard(std::string_view bytes) {
  const HWND owner = ::GetDesktopWindow();
  if (owner == nullptr) return false;
  ClipboardSession clipboard(owner);
  if (!clipboard.open()) return false;
  ::EmptyClipboard();
  if (bytes.empty()) return true;

  // GMEM_DDESHARE alone, as 8-bit clipboard text has always been handed over:
  // one byte more than the text, the last one staying zero as terminator.
  const HGLOBAL block = ::GlobalAlloc(GMEM_DDESHARE, bytes.size() + 1);
  if (block == nullptr) return false;
  void* memory = ::GlobalLock(block);
  if (memory == nullptr) {
    ::GlobalFree(block);
    return false;
  }
  std::memset(memory, 0, bytes.size() + 1);
  std::memcpy(memory, bytes.data(), bytes.size());
  ::GlobalUnlock(block);
  // From here on the clipboard owns the block; only a refusal leaves it ours.
  if (::SetClipboardData(CF_TEXT, block) == nullptr) {
    ::GlobalFree(block);
    return false;
  }
  return true;
}

std::optional<std::u16string> ReadTextFromClipboard() {
  ClipboardSession clipboard(nullptr);
  if (!clipboard.open()) return std::nullopt;
  // Windows makes Unicode text of any 8-bit text put there by other programs.
  const HANDLE block = ::GetClipboardData(CF_UNICODETEXT);
  if (block == nullptr) return std::nullopt;
  const auto* units = static_cast<const wchar_t*>(::GlobalLock(block));
  if (units == nullptr) return std::nullopt;
  // The text ends at its zero, or with the block should a program have left the zero out.
  const std::size_t capacity = ::GlobalSize(block) / sizeof(wchar_t);
  std::size_t length = 0;
  while (length < capacity && units[length] != L'\0') ++length;
  std::u16string text(units, units + length);
  ::GlobalUnlock(block);
  return text;
}

}  // namespace hexcribe::platform
