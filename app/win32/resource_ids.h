// Names of the resources that the shell asks for: roster.rc defines the
// dialog MAINDLG; MENU and ACCEL are named but absent. The control IDs are
// the dialog layer's (app/dialog_controls.h).
#pragma once

#define ROSTER_DIALOG_NAME "MAINDLG"
#define ROSTER_MENU_NAME "MENU"
#define ROSTER_ACCELERATORS_NAME "ACCEL"
#define ROSTER_STATUS_BAR_ID 1002
