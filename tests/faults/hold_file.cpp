// Another program that holds a file open without sharing it, for the fault table under Wine.
// Usage: hold_file.exe FILE READY_MARKER   (holds FILE for a minute or until killed; creates
// READY_MARKER once the file is held)
#include <windows.h>

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) return 2;
  const HANDLE held = ::CreateFileW(argv[1], GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  if (held == INVALID_HANDLE_VALUE) return 1;
  const HANDLE marker =
      ::CreateFileW(argv[2], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (marker != INVALID_HANDLE_VALUE) ::CloseHandle(marker);
  ::Sleep(60000);
  ::CloseHandle(held);
  return 0;
}
