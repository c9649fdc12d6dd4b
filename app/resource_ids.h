/* The numbers and names by which roster.rc, the shell, the dialog-control
   layer and the Wine tests know the dialog's controls and the resources:
   each stands here once. Plain macros, so that the resource compiler reads
   them too. */
#pragma once

/* Controls of the dialog "MAINDLG". */
#define IDC_REPORT_EDIT 1001      /* the pasted list, replaced by the report */
#define IDC_EXTRACT_BUTTON 1002   /* 「抽出」 */
#define IDC_MEMO_EDIT 1003        /* free memo; nothing reads it */
#define IDC_SORT_KEY_COMBO 1005   /* editable drop-down of sort keys */
#define IDC_ASCENDING_RADIO 1007  /* 「昇順」 */
#define IDC_DESCENDING_RADIO 1008 /* 「降順」 */
#define IDC_HIDDEN_CHECK_BOX 1009 /* created hidden; nothing uses it */

/* The status bar, a child of the main window with the Extract button's number. */
#define ID_STATUS_BAR 1002

/* Resources by name: the dialog is in roster.rc; the menu and the
   accelerators are named by the shell but absent. */
#define ROSTER_DIALOG_NAME "MAINDLG"
#define ROSTER_MENU_NAME "MENU"
#define ROSTER_ACCELERATORS_NAME "ACCEL"
