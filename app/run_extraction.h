// The Extract command over the dialog's controls, and the dialog set-up
// that the Win32 dialog and the in-memory one share.
#pragma once

#include <string_view>

#include "app/dialog_controls.h"
#include "catalogue/skill_catalogue.h"

namespace roster {

// Fills the sort-key combo box from the catalogue, selects its empty first
// entry, checks 「昇順」 and lifts the edit boxes' text limits.
void InitialiseDialogControls(DialogControls& dialog, const SkillCatalogue& catalogue);

// Reads the report box, extracts under the key and direction the dialog
// shows (read once) and replaces the box's text with the report as one
// undoable edit. The memo, the combo box and the buttons are left alone.
void RunExtraction(DialogControls& dialog, const SkillCatalogue& catalogue, std::string_view header);

// The same on the process catalogue and its kept report header.
void RunExtraction(DialogControls& dialog);

}  // namespace roster
