// The Win32 shell of the tool: the process-wide handles, set once each, and
// the two window procedures. The main window of class "toolbase" holds the
// dialog "MAINDLG" with every control, and a status bar below it.
#pragma once

#include <windows.h>

#include "app/win32/win32_dialog_controls.h"
#include "catalogue/skill_catalogue.h"

namespace roster {

extern HINSTANCE AppInstance;  // the module, set first thing in WinMain
extern HWND MainWindow;        // set at WM_CREATE
extern HMENU MainMenu;         // null: there is no "MENU" resource
extern HWND MainDialog;        // the dialog "MAINDLG"
extern HWND StatusBar;         // says what the last 「抽出」 did
extern HFONT EditFont;         // fixed-pitch font of the two edit boxes
extern HFONT ControlFont;      // of the other controls; null: the template's holds Japanese
extern HFONT StatusFont;       // of the status bar; null: its own holds Japanese
extern SkillCatalogue Catalogue;  // loaded once when the dialog opens
extern Win32DialogControls MainDialogControls;  // the dialog's controls, as the logic reads them

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Fits the main window around the dialog and the status bar.
void LayoutMainWindow();

}  // namespace roster
