// The one extraction pipeline: from the text box's contents, the sort key
// and the direction to the report that replaces them. The window's 「抽出」,
// roster-extract, the benchmark and the tests all run Extract.
//
// The lines are walked from the last to the first and the first line met
// for a name wins, so each name is reported with its lowest line; equal sort
// keys keep that bottom-to-top order (reversed when descending).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/skill_catalogue.h"
#include "character/character_data.h"

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
  // A large text is worked on by two threads, its halves meeting at the
  // start of a line near the middle; a small one by one. A test may name
  // the start of the line where the halves meet instead (not the start of
  // a line: one thread).
  std::optional<std::size_t> splitAt;
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

// Where the report goes.
class ReportSink {
 public:
  virtual ~ReportSink() = default;
  // A part of the text, whole lines, that the run has read and will not
  // look at again: whoever owns the text may give its memory back. Called
  // as the run goes, from two threads at once when it uses two.
  virtual void PartRead(std::string_view) {}
  // The text has been read whole and is not looked at again, so whoever
  // owns it may free it before the report is written.
  virtual void TextRead() {}
  // The next piece of the report: at most a megabyte or two of whole lines.
  virtual void Write(std::string_view piece) = 0;
};

// Collects the characters of `text`, sorts them under the key (resolved
// against the catalogue) and the direction, and writes the header built
// from the catalogue and one row per character to `sink`.
ExtractionSummary Extract(std::string_view text, const ExtractionSettings& settings,
                          const SkillCatalogue& catalogue, ReportSink& sink);

// Extract with the report gathered into one string.
std::string ExtractReport(std::string_view text, std::string_view key, bool descending,
                          const SkillCatalogue& catalogue, ExtractionSummary* summary = nullptr);

// The first and the last stage on their own, for the tests and the
// benchmark. CollectCharacters gives one character per non-empty name, from
// the lowest line bearing it, in the bottom-to-top order of those lines;
// WriteReport hands the header and the rows of the characters at the
// positions `order` lists (SortedOrder), each followed by `lineEnd`, to the
// sink in pieces of one to two megabytes at the most, so that a large
// report needs no second copy.
std::vector<CharacterData> CollectCharacters(std::string_view text);
void WriteReport(std::string_view header, std::span<const CharacterData> characters, std::span<const uint32_t> order,
                 std::string_view lineEnd, ReportSink& sink, bool twoThreads = false);

}  // namespace roster
