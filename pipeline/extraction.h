// The one extraction pipeline: from the text box's contents, the sort key
// and the direction to the report that replaces them. The window's 「抽出」,
// roster-extract, the benchmark and the tests all run Extract.
//
// The lines are walked from the last to the first and the first line met
// for a name wins, so each name is reported with its lowest line; equal sort
// keys keep that bottom-to-top order (reversed when descending).
#pragma once

#include <cstddef>
#include <new>
#include <string_view>

#include "catalogue/skill_catalogue.h"
#include "pipeline/input_text.h"

namespace roster {

// Lines of the pasted text end at "\r\n".
inline constexpr std::string_view kLineEnd = "\r\n";

struct ExtractionSettings {
  std::string_view key;        // the sort key as the combo box shows it
  bool descending = false;     // 「降順」
  std::string_view lineEnd = kLineEnd;  // after the header and every row
  // A bare "\n" ends a line too, as in a file saved on Unix; the window's
  // text ends its lines at "\r\n" only, and a bare "\n" is a byte of a cell.
  bool bareLfEndsLine = false;
};

// What one run did with the lines of the text. Every line is one of: kept,
// merged, skipped, blank or a header line.
struct ExtractionSummary {
  std::size_t kept = 0;     // lines whose characters are in the report
  std::size_t merged = 0;   // lines dropped because a lower line bears the same name
  std::size_t skipped = 0;  // lines that gave no character, though neither blank nor a header
  std::size_t firstSkippedLine = 0;  // counted from 1 at the top; 0 when none was skipped

  friend bool operator==(const ExtractionSummary&, const ExtractionSummary&) = default;
};

// Where the report goes, a piece at a time: whole lines, at most a megabyte
// or two.
class ReportSink {
 public:
  virtual ~ReportSink() = default;
  virtual void Write(std::string_view piece) = 0;
};

// How a run that cannot get the memory it needs ends, naming what it was
// doing ("sorting"). It is the one exception that leaves Extract, with
// whatever the sink throws; either comes from any of the run's threads, and
// the run has then ended on all of them.
class OutOfMemory : public std::bad_alloc {
 public:
  explicit OutOfMemory(const char* during) : during_(during) {}
  const char* what() const noexcept override { return "out of memory"; }
  const char* During() const { return during_; }

 private:
  const char* during_;
};

// Collects the characters of `text`, sorts them under the key (resolved
// against the catalogue) and the direction, and writes the header built
// from the catalogue and one row per character to `sink`. The run takes the
// text: it gives back the memory of the lines it has read as it goes, and
// lets the text go before the report is written.
ExtractionSummary Extract(InputText text, const ExtractionSettings& settings, const SkillCatalogue& catalogue,
                          ReportSink& sink);

}  // namespace roster
