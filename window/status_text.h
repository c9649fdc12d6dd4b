// What the status bar says, in Japanese, after each thing the window does:
// a text, a note in a second part of the bar when there is one, and in the
// bar's tooltip the whole, with details the bar has no room for.
#pragma once

#include <optional>
#include <string>

#include "reader/catalogue_file.h"
#include "window/dropped_files.h"
#include "window/run_extraction.h"

namespace roster {

struct StatusMessage {
  std::wstring text;
  std::wstring note;     // empty: the bar shows one part
  std::wstring details;  // only in the tooltip

  friend bool operator==(const StatusMessage&, const StatusMessage&) = default;
};

// The text, the note and the details, each on lines of their own.
std::wstring TooltipText(const StatusMessage& message);

// At the start, for a newcomer: what to do; or, when the roster box kept
// from the last time came back, that it did and how many lines it holds.
StatusMessage StartStatusText(std::size_t keptLines = 0);

// After the roster box was saved to the file `name`, in UTF-8 or CP932
// with `replaced` characters made "?".
StatusMessage SavedStatusText(const std::wstring& name, bool utf8, std::size_t replaced);

// After a search for `what`: the line of the match, counted from 1, or
// that there is none.
StatusMessage FindStatusText(std::wstring_view what, std::optional<std::size_t> line);

// What happened to a line, in a player's words, as the status bar counts
// it and the list 「抽出の記録」 names it.
std::wstring EventWords(LineEvent event);

// After a run: the characters kept, then only what is not zero of the lines
// repeated, made one, skipped, and of what was changed as it was read; the note names the characters replaced, and a key
// that named nothing and so sorted nothing.
StatusMessage StatusText(const RunResult& result);

// After Ctrl+Z or Ctrl+Y went through the history of runs.
StatusMessage StatusText(const HistoryStep& step);

// A row of 「抽出の記録」 chosen when the history no longer holds the text
// that run read.
StatusMessage RunGoneStatusText();

// At the start, when no catalogue could be used: that the report has no
// skill columns, and where the catalogue was looked for; nothing when one
// was read.
std::optional<StatusMessage> StatusText(const CatalogueSearch& search);

// After files were dropped: what went into the box and what became "?", or
// the file that could not be read.
StatusMessage StatusText(const DroppedFiles& dropped);

}  // namespace roster
