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

// What one 「抽出」 did: the pipeline's counts, and the characters of the
// box that CP932 could not hold.
struct RunResult {
  ExtractionSummary summary;
  ReplacedCharacters replaced;
};

// Reads the report box and the key and direction the dialog shows (once),
// runs Extract and replaces the box's text with the report as one undoable
// edit. The memo, the combo box and the buttons are left alone.
RunResult RunExtraction(DialogControls& dialog, const SkillCatalogue& catalogue);

// What the status bar says after a run, in Japanese: the characters kept,
// then only what is not zero of the lines merged and skipped and of the
// characters replaced.
std::wstring StatusText(const RunResult& result);

}  // namespace roster
