// The dialog "MAINDLG": its set-up, the 「抽出」 command and its end. It
// answers FALSE to every message, so the platform sets no initial focus.
#include <windows.h>

#include "app/catalogue_file.h"
#include "app/run_extraction.h"
#include "app/win32/shell.h"
#include "app/win32/win32_dialog_controls.h"

namespace roster {

HFONT EditFont = nullptr;
SkillCatalogue Catalogue;

namespace {

void OnInitDialog(HWND dialog) {
  // A missing catalogue leaves only the fixed keys and no skill columns.
  Catalogue = LoadSkillCatalogue().value_or(SkillCatalogue());
  EditFont = CreateFontW(12, 0, 0, 0, 0, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, FIXED_PITCH, L"");
  for (int id : {kReportEdit, kMemoEdit}) {
    SendDlgItemMessageW(dialog, id, WM_SETFONT, reinterpret_cast<WPARAM>(EditFont), TRUE);
  }
  Win32DialogControls controls(dialog);
  InitialiseDialogControls(controls, Catalogue);
}

void OnCommand(HWND dialog, WPARAM wParam) {
  if (LOWORD(wParam) != kExtractButton) return;
  Win32DialogControls controls(dialog);
  RunExtraction(controls, Catalogue);
}

}  // namespace

INT_PTR CALLBACK MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG: OnInitDialog(dialog); break;
    case WM_COMMAND: OnCommand(dialog, wParam); break;
    case WM_DESTROY: DeleteObject(EditFont); break;
    default: break;
  }
  return FALSE;
}

}  // namespace roster
