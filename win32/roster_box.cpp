// The roster box under the dialog manager. Its own undo holds one step and
// a second Ctrl+Z redoes it, so Ctrl+Z (WM_UNDO, which Alt+Backspace and
// the context menu's 元に戻す send too) and Ctrl+Y (the menu's やり直し) go
// through the history of 「抽出」 first, while nothing was typed since.
#include <windows.h>
#include <commctrl.h>

#include "window/run_extraction.h"
#include "win32/shell.h"

namespace roster {
namespace {

LRESULT OnUndo(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  if (std::optional<HistoryStep> step = UndoExtraction(MainDialogControls, History)) {
    ShowStatus(StatusText(*step));
    return TRUE;
  }
  return DefSubclassProc(box, message, wParam, lParam);
}

LRESULT OnCanUndo(HWND box, WPARAM wParam, LPARAM lParam) {
  return CanUndoExtraction(MainDialogControls, History) || DefSubclassProc(box, EM_CANUNDO, wParam, lParam);
}

LRESULT CALLBACK RosterBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  switch (message) {
    case WM_UNDO:
    case EM_UNDO: return OnUndo(box, message, wParam, lParam);
    case EM_CANUNDO: return OnCanUndo(box, wParam, lParam);
    case WM_NCDESTROY: RemoveWindowSubclass(box, RosterBoxProc, 0); return DefSubclassProc(box, message, wParam, lParam);
    default: return DefSubclassProc(box, message, wParam, lParam);
  }
}

}  // namespace

void RedoRosterBox() {
  if (std::optional<HistoryStep> step = RedoExtraction(MainDialogControls, History)) ShowStatus(StatusText(*step));
}

bool CanRedoRosterBox() { return History.redoSteps() > 0 && !MainDialogControls.IsModified(kReportEdit); }

void SubclassRosterBox(HWND dialog) { SetWindowSubclass(GetDlgItem(dialog, kReportEdit), RosterBoxProc, 0, 0); }

}  // namespace roster
