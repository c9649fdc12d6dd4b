// The dialog "MAINDLG": its set-up, the 「抽出」 command and its end. It
// answers FALSE to every message, so the platform sets no initial focus:
// the main window gives it to the roster box when it is activated.
#include <windows.h>
#include <commctrl.h>

#include "reader/catalogue_file.h"
#include "window/run_extraction.h"
#include "win32/shell.h"

namespace roster {

SkillCatalogue Catalogue;
RosterHistory History;
DialogDesign Design;
Win32DialogControls MainDialogControls;

namespace {

// Each control where the template puts it, in the pixels the dialog was
// made with; the combo box with its list dropped, the height it is given.
// The main window measures the units once it has the fonts.
void RecordDesign(HWND dialog) {
  Design = {};
  RECT client = {};
  GetClientRect(dialog, &client);
  Design.client = {0, 0, client.right, client.bottom};
  for (HWND control = GetWindow(dialog, GW_CHILD); control != nullptr; control = GetWindow(control, GW_HWNDNEXT)) {
    const int id = GetDlgCtrlID(control);
    RECT r = {};
    if (id == kSortKeyCombo) {
      SendMessageW(control, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&r));
    } else {
      GetWindowRect(control, &r);
    }
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    Design.controls.push_back({control, id, {r.left, r.top, r.right, r.bottom}});
  }
}

// Where the system would rescale the dialog itself at a DPI change, it is
// told not to: the main window scales fonts and layout from the design.
void KeepDialogFromRescaling(HWND dialog) {
  using SetBehavior = BOOL(WINAPI*)(HWND, DIALOG_DPI_CHANGE_BEHAVIORS, DIALOG_DPI_CHANGE_BEHAVIORS);
  const auto set = reinterpret_cast<SetBehavior>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetDialogDpiChangeBehavior")));
  if (set != nullptr) set(dialog, DDC_DISABLE_ALL, DDC_DISABLE_ALL);
}

void OnInitDialog(HWND dialog) {
  // A missing catalogue leaves only the fixed keys and no skill columns,
  // and the status bar says where it was looked for.
  CatalogueSearch search = FindSkillCatalogue();
  Catalogue = search.catalogue.value_or(SkillCatalogue());
  MainDialogControls = Win32DialogControls(dialog);
  InitialiseDialogControls(MainDialogControls, Catalogue);
  RecordDesign(dialog);
  KeepDialogFromRescaling(dialog);
  SubclassRosterBox(dialog);
  if (std::optional<StatusMessage> status = StatusText(search)) ShowStatus(*status);
}

// After the run the roster box has the focus, its caret at the report's
// header, so that Ctrl+Z and the arrows act on it at once; its text is
// kept beside roster.ini, so that a crash later loses nothing.
void OnCommand(WPARAM wParam) {
  if (LOWORD(wParam) != kExtractButton) return;
  // The button's tooltip would cover the report's header row.
  SendMessageW(ToolTips, TTM_POP, 0, 0);
  ChangingRosterBox = true;
  const RunResult result = RunExtraction(MainDialogControls, Catalogue, History);
  ChangingRosterBox = false;
  ShowStatus(StatusText(result));
  KeepAccount(result);
  SetFocus(GetDlgItem(MainDialog, kReportEdit));
  KeepRosterText();
}

}  // namespace

INT_PTR CALLBACK MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG: OnInitDialog(dialog); break;
    case WM_COMMAND: OnCommand(wParam); break;
    default: break;
  }
  return FALSE;
}

}  // namespace roster
