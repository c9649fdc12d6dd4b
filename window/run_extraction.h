// The Extract command over the dialog's controls, the steps back and forth
// through what it replaced, and the dialog set-up that the Win32 dialog and
// the in-memory one share.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "window/dialog_controls.h"
#include "window/roster_history.h"
#include "pipeline/extraction.h"
#include "catalogue/skill_catalogue.h"

namespace roster {

// Fills the sort-key combo box from the catalogue, selects its empty first
// entry, checks 「昇順」 and lifts the edit boxes' text limits.
void InitialiseDialogControls(DialogControls& dialog, const SkillCatalogue& catalogue);

// What one 「抽出」 did: the pipeline's counts, the characters of the box
// that CP932 could not hold, and the key when it named nothing to sort by.
struct RunResult {
  ExtractionSummary summary;
  ReplacedCharacters replaced;
  std::string unknownKey;  // CP932; empty when the key was empty or known
  std::string groupKey;    // CP932: a group heading of the catalogue, which sorts nothing
  bool noSkillColumns = false;  // the catalogue is empty: the header has no skill columns
  bool outOfMemory = false;     // the run could not get the memory it needed: the box is as it was
  std::size_t run = 0;          // the run's number in the history
};

// Reads the report box and the key and direction the dialog shows (once),
// runs Extract and replaces the box's text with the report, the caret at
// its start; `history` keeps the text replaced as one step, recorded before
// the box changes. The memo, the combo box and the buttons are left alone.
// A run that cannot get the memory it needs leaves the box as it was and
// says so.
RunResult RunExtraction(DialogControls& dialog, const SkillCatalogue& catalogue, RosterHistory& history);

// The roster box changed by the user (typing at `ms`, or a paste, a cut, a
// drop): a step of `kind` in the history.
void NoteRosterChange(DialogControls& dialog, RosterHistory& history, StepKind kind, int64_t ms);

// A file's text in place of the whole roster box, one step.
void OpenRosterText(DialogControls& dialog, RosterHistory& history, std::wstring text);

// One step back (Ctrl+Z) or forth (Ctrl+Y), whatever its kind, with the
// steps left that way; nothing when there is none.
struct HistoryStep {
  bool back = true;
  std::size_t left = 0;
  StepKind kind = StepKind::kExtract;

  friend bool operator==(const HistoryStep&, const HistoryStep&) = default;
};
std::optional<HistoryStep> UndoRosterStep(DialogControls& dialog, RosterHistory& history);
std::optional<HistoryStep> RedoRosterStep(DialogControls& dialog, RosterHistory& history);

// Back to the text that run `run` read, a step at a time (typing since
// undone, so that Ctrl+Y brings it and the report back), with its line
// `line` (from 1) selected and in view; nothing when the history no longer
// holds that text.
std::optional<HistoryStep> ShowLineBeforeRun(DialogControls& dialog, RosterHistory& history, std::size_t run,
                                             std::size_t line);

}  // namespace roster
