// Arrow keys in a dialog: the next control of the group that is not a static text.
#include "app/win32/arrow_keys.h"

namespace hexcribe::app::win32 {
namespace {

// More controls than a group of this program's dialogs holds: a bound for the walk round it.
constexpr int kMaxGroupSize = 64;

}  // namespace

bool MoveFocusWithinGroup(HWND dialog, const MSG& message) {
  const WPARAM key = message.wParam;
  if (message.message != WM_KEYDOWN || (key != VK_LEFT && key != VK_RIGHT && key != VK_UP && key != VK_DOWN) ||
      dialog == nullptr || message.hwnd == nullptr || ::GetParent(message.hwnd) != dialog) {
    return false;
  }
  // Lists and text boxes use the arrows themselves.
  const LRESULT from = ::SendMessageW(message.hwnd, WM_GETDLGCODE, key, reinterpret_cast<LPARAM>(&message));
  if ((from & DLGC_WANTARROWS) != 0) return false;
  const BOOL previous = key == VK_LEFT || key == VK_UP ? TRUE : FALSE;
  HWND next = message.hwnd;
  for (int step = 0; step < kMaxGroupSize; ++step) {
    next = ::GetNextDlgGroupItem(dialog, next, previous);
    if (next == nullptr || next == message.hwnd) return true;  // nothing else in the group takes the focus
    const LRESULT code = ::SendMessageW(next, WM_GETDLGCODE, 0, 0);
    // A radio button is also checked on arrival: the dialog manager's own way does that.
    if ((code & DLGC_RADIOBUTTON) != 0) return false;
    if ((code & DLGC_STATIC) == 0) break;
  }
  ::SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), TRUE);
  return true;
}

}  // namespace hexcribe::app::win32
