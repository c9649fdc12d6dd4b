// The Extract command over the dialog's controls, and the dialog set-up
// that the Win32 dialog and the in-memory one share.
#pragma once

#include "app/dialog_controls.h"
#include "app/extraction.h"
#include "catalogue/skill_catalogue.h"

namespace roster {

// Fills the sort-key combo box from the catalogue, selects its empty first
// entry, checks 「昇順」 and lifts the edit boxes' text limits.
void InitialiseDialogControls(DialogControls& dialog, const SkillCatalogue& catalogue);

// Reads the report box and the key and direction the dialog shows (once),
// runs Extract and replaces the box's text with the report as one undoable
// edit. The memo, the combo box and the buttons are left alone.
ExtractionSummary RunExtraction(DialogControls& dialog, const SkillCatalogue& catalogue);

}  // namespace roster
