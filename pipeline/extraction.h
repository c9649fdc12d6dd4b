// The one extraction pipeline: from the text box's contents, the sort key
// and the direction to the report that replaces them. The window's 「抽出」,
// roster-extract, the benchmark and the tests all run Extract.
//
// The lines are walked from the last to the first and the first line met
// for a name wins, so each name is reported with its lowest line; equal sort
// keys keep that bottom-to-top order (reversed when descending).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <new>
#include <string>
#include <string_view>
#include <vector>

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

// What became of a line that gave no character, or what was noticed of a
// character taken from a line.
enum class LineEvent : uint8_t {
  kReplaced,           // a lower line with the same typed name was taken
  kNamesMerged,        // a lower line with another typed name, cut to the same name, was taken
  kBlank,
  kHeader,
  kNoSeparator,        // not a character: no "|" at all, nor 「｜」 (a note, a chat line)
  kTooFewCells,        // not a character: fewer than six cells
  kEmptyName,          // not a character: a name cell of spaces at most
  kNameShortened,      // the name kept is the last 10 bytes of a longer typed name
  kExtraCells,         // cells after the last cell, kept at the end of the remarks
  kOddSkillCell,       // a skill cell of an odd number of bytes, read two bytes a level
  kNumberOutOfRange,   // a number beyond the 32-bit range, read as its limit
  kNameReadsAsHeader,  // the name holds 「名前」: its row reads back as a header
  kFullWidthBars,      // read with 「｜」 as a cell separator too
};
inline constexpr std::size_t kLineEventKinds = 13;

// One event of a line. A typed name is the name cell without its spaces,
// before the cut to 10 bytes.
struct LineEntry {
  std::size_t line = 0;  // counted from 1 at the top of the text
  LineEvent event = LineEvent::kReplaced;
  std::string text;       // the start of the line (of a line that the run had let go: its row)
  std::string name;       // kNameShortened, kNamesMerged: the name kept
  std::string typedName;  // ... and the name as this line typed it
  std::size_t otherLine = 0;   // kNamesMerged: the lower line whose character has the name
  std::string otherTypedName;  // ... and the name as that line typed it

  friend bool operator==(const LineEntry&, const LineEntry&) = default;
};

// Of a run's events, the entries of the lines nearest the top are kept: as
// many as a person reads, whatever the size of the text.
inline constexpr std::size_t kMaxLineEntries = 1000;
// The start of a line that an entry keeps, in bytes.
inline constexpr std::size_t kLineEntryTextBytes = 200;

// What one run did with the lines of the text. Every line is one of: kept,
// merged, skipped, blank or a header line; `counts` counts every event, and
// `entries` gives the events (but blank lines) of the lowest lines.
struct ExtractionSummary {
  std::size_t kept = 0;     // lines whose characters are in the report
  std::size_t merged = 0;   // lines dropped because a lower line bears the same name
  std::size_t skipped = 0;  // lines that gave no character, though neither blank nor a header
  std::size_t firstSkippedLine = 0;  // counted from 1 at the top; 0 when none was skipped
  std::array<std::size_t, kLineEventKinds> counts{};
  std::vector<LineEntry> entries;  // by line, then in the order met; at most kMaxLineEntries
  // The text's file changed while the run read it (a mapped file cut or
  // rewritten by another program): the run wrote nothing to the sink and
  // tells nothing else. A text that the run was given in memory never has.
  bool textChanged = false;

  std::size_t Count(LineEvent event) const { return counts[static_cast<std::size_t>(event)]; }

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
// lets the text go before the report is written; a text whose file changed
// meanwhile gives no report (`textChanged`).
ExtractionSummary Extract(InputText text, const ExtractionSettings& settings, const SkillCatalogue& catalogue,
                          ReportSink& sink);

}  // namespace roster
