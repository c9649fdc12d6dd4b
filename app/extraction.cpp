#include "app/extraction.h"

#include "app/name_table.h"
#include "character/line_parser.h"
#include "report/report_layout.h"
#include "report/sort_order.h"

namespace roster {
namespace {

constexpr std::size_t kReportPiece = 1 << 20;

// The positions of the "\r\n" that end the lines of `text`, in order.
std::vector<std::size_t> LineEnds(std::string_view text) {
  std::vector<std::size_t> ends;
  for (std::size_t lf = text.find('\n', 1); lf != std::string_view::npos; lf = text.find('\n', lf + 1)) {
    if (text[lf - 1] == '\r') ends.push_back(lf - 1);
  }
  return ends;
}

// Calls `visit` with each line of `text` (cut at "\r\n") and its number,
// counted from 1 at the top, from the last line to the first.
template <typename Visit>
void ForEachLineFromTheBottom(std::string_view text, const std::vector<std::size_t>& ends, Visit visit) {
  std::size_t end = text.size();
  std::size_t number = ends.size() + 1;
  for (auto separator = ends.rbegin(); separator != ends.rend(); ++separator) {
    const std::size_t start = *separator + kLineEnd.size();
    visit(text.substr(start, end - start), number--);
    end = *separator;
  }
  visit(text.substr(0, end), number);
}

}  // namespace

void WriteReport(std::string_view header, const std::vector<CharacterData>& characters, std::string_view lineEnd,
                 ReportSink& sink) {
  std::string piece(header);
  piece.append(lineEnd);
  // The rows come in sorted order, so their field blocks lie anywhere in
  // memory: each is fetched a few rows ahead.
  constexpr std::size_t kAhead = 4;
  for (std::size_t i = 0; i < characters.size(); ++i) {
    if (i + kAhead < characters.size()) characters[i + kAhead].Prefetch();
    AppendReportRow(piece, characters[i]);
    piece.append(lineEnd);
    if (piece.size() >= kReportPiece) {
      sink.Write(piece);
      piece.clear();
    }
  }
  if (!piece.empty()) sink.Write(piece);
}

namespace {

class StringSink final : public ReportSink {
 public:
  void Write(std::string_view piece) override { report.append(piece); }
  std::string report;
};

// One character per name, and what became of the other lines.
std::vector<CharacterData> Collect(std::string_view text, ExtractionSummary& summary) {
  const std::vector<std::size_t> ends = LineEnds(text);
  const std::size_t lineCount = ends.size() + 1;
  NameTable seen(lineCount);
  std::vector<CharacterData> collected;
  collected.reserve(lineCount);
  // Each line's name is looked up one line late: its slot in the table is
  // fetched from memory while the line above is being read.
  LineParser pending{std::string_view()};  // an empty line: no name
  uint64_t pendingHash = 0;
  std::size_t pendingNumber = 0;
  auto settle = [&] {
    if (pending.Name().empty()) {
      if (pendingNumber == 0 || pending.IsBlankOrHeader()) return;
      ++summary.skipped;
      summary.firstSkippedLine = pendingNumber;  // the walk goes up: the last one met is the first
    } else if (seen.Insert(pending.Name(), pendingHash)) {
      // Only the name decides whether a line's character is kept, and
      // parsing has no other effect, so a line whose name is taken is parsed
      // no further.
      pending.Fill(collected.emplace_back());
    } else {
      ++summary.merged;
    }
  };
  ForEachLineFromTheBottom(text, ends, [&](std::string_view line, std::size_t number) {
    LineParser parser(line);
    const uint64_t hash = NameTable::Hash(parser.Name());
    seen.Prefetch(hash);
    settle();
    pending = std::move(parser);
    pendingHash = hash;
    pendingNumber = number;
  });
  settle();
  summary.kept = collected.size();
  return collected;
}

}  // namespace

std::vector<CharacterData> CollectCharacters(std::string_view text) {
  ExtractionSummary summary;
  return Collect(text, summary);
}

ExtractionSummary Extract(std::string_view text, const ExtractionSettings& settings,
                          const SkillCatalogue& catalogue, ReportSink& sink) {
  ExtractionSummary summary;
  std::vector<CharacterData> characters = Collect(text, summary);
  sink.TextRead();
  SortCharacters(characters, ResolveSortKey(settings.key, catalogue), settings.descending);
  WriteReport(ReportHeader(catalogue), characters, settings.lineEnd, sink);
  return summary;
}

std::string ExtractReport(std::string_view text, std::string_view key, bool descending,
                          const SkillCatalogue& catalogue, ExtractionSummary* summary) {
  StringSink sink;
  const ExtractionSummary done = Extract(text, {key, descending}, catalogue, sink);
  if (summary) *summary = done;
  return std::move(sink.report);
}

}  // namespace roster
