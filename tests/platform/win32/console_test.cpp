// Console output on the real system: Hangul and emoji reach a console window as UTF-16 text.
#include "platform/win32/windows_api.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/platform.h"

namespace hexcribe {
namespace {

// The characters of the console's first row.
std::wstring FirstRow(HANDLE console, DWORD length) {
  std::wstring row(length, L'\0');
  DWORD read = 0;
  ::ReadConsoleOutputCharacterW(console, row.data(), length, COORD{0, 0}, &read);
  row.resize(read);
  return row;
}

TEST(Win32Console, WritesUnitsToAConsoleAndTellsConsolesFromFiles) {
  // The test's own output goes to a pipe or file: no console.
  EXPECT_FALSE(platform::IsConsole(platform::StandardStream::kOutput));
  ::FreeConsole();
  ASSERT_TRUE(::AllocConsole()) << ::GetLastError();
  const HANDLE console = ::CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                       nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(console, INVALID_HANDLE_VALUE);
  // Wine starts the console's host process in the background and the handle
  // works only once it runs; Windows returns from AllocConsole with it ready.
  for (int wait = 0; wait < 100; ++wait) {
    DWORD mode = 0;
    if (::GetConsoleMode(console, &mode)) break;
    ::Sleep(50);
  }
  const HANDLE saved = ::GetStdHandle(STD_OUTPUT_HANDLE);
  ::SetStdHandle(STD_OUTPUT_HANDLE, console);
  EXPECT_TRUE(platform::IsConsole(platform::StandardStream::kOutput));
  // Hangul, an emoji (a surrogate pair), and a text longer than one console write.
  const std::u16string text = u"\uD55C\uAD6D\uC778 \U0001F600 " + std::u16string(9000, u'x');
  EXPECT_TRUE(platform::WriteConsoleUnits(platform::StandardStream::kOutput, text));
  ::SetStdHandle(STD_OUTPUT_HANDLE, saved);
  const std::wstring row = FirstRow(console, 8);
  ::CloseHandle(console);
  ::FreeConsole();
  // A wide character may take two cells; the text's letters are there in order.
  std::wstring letters;
  for (wchar_t c : row) {
    if (letters.empty() || letters.back() != c) letters += c;
  }
  EXPECT_EQ(letters.substr(0, 3), L"\uD55C\uAD6D\uC778");
}

}  // namespace
}  // namespace hexcribe
