// The roster box under the dialog manager, its undo taken over by the one
// history of the roster box: Ctrl+Z (WM_UNDO, which Alt+Backspace and the
// context menu's 元に戻す send too) and Ctrl+Y (the menu's やり直し) step
// through it, and every change the box makes becomes a step of it. The
// box's own undo is never used, so Wine and Windows behave the same.
#include <windows.h>
#include <commctrl.h>

#include "window/run_extraction.h"
#include "win32/shell.h"

namespace roster {

bool ChangingRosterBox = false;

namespace {

constexpr WPARAM kCtrlZ = 0x1A;  // the character TranslateMessage makes of Ctrl+Z

LRESULT CALLBACK RosterBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  switch (message) {
    case WM_UNDO:
    case EM_UNDO: UndoRosterBox(); return TRUE;
    case EM_CANUNDO: return History.undoSteps() > 0;
    case WM_NCDESTROY: RemoveWindowSubclass(box, RosterBoxProc, 0); return DefSubclassProc(box, message, wParam, lParam);
    default: break;
  }
  if (message == WM_CHAR && wParam == kCtrlZ) {
    UndoRosterBox();
    return 0;
  }
  const LRESULT result = DefSubclassProc(box, message, wParam, lParam);
  if (ChangingRosterBox) return result;
  // Keys and the IME type, and join a typing step; a paste, a cut or a
  // text set from outside is a step of its own. The box's modified flag
  // says cheaply whether a key changed anything.
  switch (message) {
    case WM_CHAR:
    case WM_KEYDOWN:
    case WM_IME_CHAR:
    case WM_IME_COMPOSITION:
    case WM_IME_ENDCOMPOSITION:
      if (SendMessageW(box, EM_GETMODIFY, 0, 0) != 0) {
        NoteRosterChange(MainDialogControls, History, StepKind::kTyping, static_cast<int64_t>(GetTickCount64()));
        SendMessageW(box, EM_SETMODIFY, FALSE, 0);
      }
      break;
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
    case EM_REPLACESEL:
    case WM_SETTEXT: NoteRosterChange(MainDialogControls, History, StepKind::kPaste, 0); break;
    default: break;
  }
  return result;
}

}  // namespace

void UndoRosterBox() {
  ChangingRosterBox = true;
  const std::optional<HistoryStep> step = UndoRosterStep(MainDialogControls, History);
  ChangingRosterBox = false;
  if (step) ShowStatus(StatusText(*step));
}

void RedoRosterBox() {
  ChangingRosterBox = true;
  const std::optional<HistoryStep> step = RedoRosterStep(MainDialogControls, History);
  ChangingRosterBox = false;
  if (step) ShowStatus(StatusText(*step));
}

void SubclassRosterBox(HWND dialog) { SetWindowSubclass(GetDlgItem(dialog, kReportEdit), RosterBoxProc, 0, 0); }

}  // namespace roster
