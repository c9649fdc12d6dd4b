#include "app/extraction.h"

#include <algorithm>
#include <memory_resource>
#include <optional>
#include <semaphore>
#include <thread>

#include "app/name_table.h"
#include "character/line_parser.h"
#include "platform/platform.h"
#include "report/report_layout.h"
#include "report/sort_order.h"

namespace roster {
namespace {

// Below this size a text is handled on one thread: a second one would cost
// more than it saves.
constexpr std::size_t kTwoThreadBytes = 1 << 20;

// Whether the "\n" at `lf` ends a line.
bool EndsLine(std::string_view text, std::size_t lf, bool bareLf) {
  return bareLf || (lf > 0 && text[lf - 1] == '\r');
}

// Where the line that the "\n" at `lf` ends stops: before its "\r", if any.
std::size_t ContentEnd(std::string_view text, std::size_t lf) {
  return lf > 0 && text[lf - 1] == '\r' ? lf - 1 : lf;
}

// The positions of the "\n" that end the lines of `text`, in order.
std::pmr::vector<std::size_t> LineEnds(std::string_view text, bool bareLf, std::pmr::memory_resource* memory) {
  std::pmr::vector<std::size_t> ends(memory);
  // Room for lines of 16 bytes on average: the list never grows by copying,
  // and pages of the room it does not use are never touched.
  ends.reserve(text.size() / 16 + 1);
  for (std::size_t lf = text.find('\n'); lf != std::string_view::npos; lf = text.find('\n', lf + 1)) {
    if (EndsLine(text, lf, bareLf)) ends.push_back(lf);
  }
  return ends;
}

// Calls `visit` with each line of `text` (without its line end) and its
// number, counted from 1 at the top, from the last line to the first.
template <typename Visit>
void ForEachLineFromTheBottom(std::string_view text, std::span<const std::size_t> ends, Visit visit) {
  std::size_t end = text.size();
  std::size_t number = ends.size() + 1;
  for (auto lf = ends.rbegin(); lf != ends.rend(); ++lf) {
    visit(text.substr(*lf + 1, end - *lf - 1), number--);
    end = ContentEnd(text, *lf);
  }
  visit(text.substr(0, end), number);
}

// Rows `first` to `last` of the report, each followed by `lineEnd`, appended
// to `out`.
void RenderRows(std::span<const CharacterData> characters, std::span<const uint32_t> order, std::size_t first,
                std::size_t last, std::string_view lineEnd, std::pmr::string& out) {
  // The rows come in sorted order, so their records and field blocks lie
  // anywhere in memory: a record is fetched eight rows ahead, its field
  // block (whose address the record holds) four rows ahead.
  constexpr std::size_t kRecordAhead = 8, kBlockAhead = 4;
  for (std::size_t i = first; i < last; ++i) {
    if (i + kRecordAhead < last) __builtin_prefetch(&characters[order[i + kRecordAhead]]);
    if (i + kBlockAhead < last) characters[order[i + kBlockAhead]].Prefetch();
    AppendReportRow(out, characters[order[i]]);
    out.append(lineEnd);
  }
}

// Rows a piece of the report holds: some one to two megabytes at the most,
// and an eighth of a short report, so that both threads have pieces to
// render.
std::size_t BlockRows(std::size_t rows) { return std::clamp<std::size_t>(rows / 8, 1, 8192); }

// Room for a piece of the report: one step of large pages, the terminating
// zero included, so that the piece takes one page fault; a short report
// takes a little.
std::size_t PieceRoom(std::size_t blockRows) {
  return std::min(blockRows * 256, LargePageMemory::kStep - 1);
}

}  // namespace

// Each thread fills one piece over and over, so the pages of the report are
// touched once; only the calling thread writes to the sink, in row order.
// The pieces lie on large pages.
void WriteReport(std::string_view header, std::span<const CharacterData> characters, std::span<const uint32_t> order,
                 std::string_view lineEnd, ReportSink& sink, bool twoThreads) {
  const std::size_t rows = order.size();
  const std::size_t blockRows = BlockRows(rows);
  LargePageMemory memory;
  std::pmr::string mine(&memory), theirs(&memory);
  mine.reserve(std::max(PieceRoom(blockRows), header.size() + lineEnd.size()));
  mine.append(header);
  mine.append(lineEnd);
  // With two threads the calling thread renders the even blocks, a worker
  // the odd ones; with one, the calling thread renders them all.
  const std::size_t step = twoThreads ? 2 * blockRows : blockRows;
  std::binary_semaphore theirsReady(0), theirsWritten(0);
  std::jthread worker;
  if (twoThreads) {
    theirs.reserve(PieceRoom(blockRows));
    worker = std::jthread([&] {
      for (std::size_t first = blockRows; first < rows; first += step) {
        RenderRows(characters, order, first, std::min(rows, first + blockRows), lineEnd, theirs);
        theirsReady.release();
        theirsWritten.acquire();
        theirs.clear();
      }
    });
  }
  // The first block holds the header, even when there are no rows.
  for (std::size_t first = 0; first == 0 || first < rows; first += step) {
    RenderRows(characters, order, first, std::min(rows, first + blockRows), lineEnd, mine);
    sink.Write(mine);
    mine.clear();
    if (twoThreads && first + blockRows < rows) {
      theirsReady.acquire();
      sink.Write(theirs);
      theirsWritten.release();
    }
  }
}

namespace {

class StringSink final : public ReportSink {
 public:
  void Write(std::string_view piece) override { report.append(piece); }
  std::string report;
};

// The characters of one stretch of lines, one per name, with the table of
// those names and what became of the other lines.
struct Collected {
  // `room`: how many characters the list takes without growing.
  Collected(std::size_t textBytes, std::size_t lineCount, std::size_t room, std::pmr::memory_resource* memory)
      : arena(memory, std::max(kFirstChunkBytes, textBytes / 8)), characters(memory), names(lineCount, memory),
        lines(lineCount) {
    characters.reserve(room);
  }

  // The characters' fields: a million records cost a few hundred chunks,
  // not a million allocations, and are given back at once. The first chunk
  // is sized to the text.
  static constexpr std::size_t kFirstChunkBytes = std::size_t{64} << 10;
  FieldArena arena;
  std::pmr::vector<CharacterData> characters;
  NameTable names;
  ExtractionSummary summary;
  std::size_t lines;
};

// Lines read from the bottom are handed back to the sink in steps of this
// many bytes.
constexpr std::size_t kPartRead = 4 << 20;

Collected CollectLines(std::string_view text, bool bareLf, ReportSink* sink, std::pmr::memory_resource* memory,
                       std::size_t extraRoom = 0) {
  const std::pmr::vector<std::size_t> ends = LineEnds(text, bareLf, memory);
  Collected out(text.size(), ends.size() + 1, ends.size() + 1 + extraRoom, memory);
  ExtractionSummary& summary = out.summary;
  // Each line's name is looked up one line late: its slot in the table is
  // fetched from memory while the line above is being read.
  LineParser pending{std::string_view()};  // an empty line: no name
  uint64_t pendingHash = 0;
  std::size_t pendingNumber = 0;
  std::size_t pendingStart = text.size();
  std::size_t unreturned = text.size();  // lines from here down are not yet handed back
  auto handBack = [&] {
    if (sink != nullptr && unreturned - pendingStart >= kPartRead) {
      sink->PartRead(text.substr(pendingStart, unreturned - pendingStart));
      unreturned = pendingStart;
    }
  };
  auto settle = [&] {
    if (pending.Name().empty()) {
      if (pendingNumber == 0 || pending.IsBlankOrHeader()) return;
      ++summary.skipped;
      summary.firstSkippedLine = pendingNumber;  // the walk goes up: the last one met is the first
    } else if (out.names.Insert(pending.Name(), pendingHash)) {
      // Only the name decides whether a line's character is kept, and
      // parsing has no other effect, so a line whose name is taken is parsed
      // no further.
      pending.Fill(out.characters.emplace_back(), &out.arena);
    } else {
      ++summary.merged;
    }
  };
  ForEachLineFromTheBottom(text, ends, [&](std::string_view line, std::size_t number) {
    LineParser parser(line);
    const uint64_t hash = NameTable::Hash(parser.Name());
    out.names.Prefetch(hash);
    settle();
    handBack();
    pending = std::move(parser);
    pendingHash = hash;
    pendingNumber = number;
    pendingStart = static_cast<std::size_t>(line.data() - text.data());
  });
  settle();
  summary.kept = out.characters.size();
  return out;
}

// Where the text is cut in two for the two cores: the start of a line
// (just after the "\n" that ends the line before); nothing to run on one
// thread.
std::optional<std::size_t> SplitPoint(std::string_view text, const ExtractionSettings& settings) {
  const bool bareLf = settings.bareLfEndsLine;
  if (settings.splitAt) {
    const std::size_t at = *settings.splitAt;
    const bool lineStart = at >= 1 && at <= text.size() && text[at - 1] == '\n' && EndsLine(text, at - 1, bareLf);
    return lineStart ? settings.splitAt : std::nullopt;
  }
  if (text.size() < kTwoThreadBytes) return std::nullopt;
  for (std::size_t lf = text.find('\n', text.size() / 2); lf != std::string_view::npos; lf = text.find('\n', lf + 1)) {
    if (EndsLine(text, lf, bareLf)) return lf + 1;
  }
  for (std::size_t lf = text.rfind('\n', text.size() / 2); lf != std::string_view::npos && lf > 0; lf = text.rfind('\n', lf - 1)) {
    if (EndsLine(text, lf, bareLf)) return lf + 1;
  }
  return std::nullopt;
}

// The whole text's characters and summary. Both halves are collected at
// once, each on its own. The lower half's names win, as the lowest line of a
// name does: an upper character whose name the lower half holds is dropped,
// and the upper survivors follow the lower characters, as the walk from the
// bottom would have met them.
Collected Collect(std::string_view text, bool bareLf, std::optional<std::size_t> split, ReportSink* sink,
                  std::pmr::memory_resource* memory) {
  if (!split) return CollectLines(text, bareLf, sink, memory);
  std::optional<Collected> lower;
  {
    // The lower list has room for the upper survivors from the start (as
    // many as lines of 16 bytes): only the pages they fill are touched, and
    // nothing is copied to grow.
    const std::size_t upperRoom = *split / 16 + 1;
    std::jthread worker([&] { lower.emplace(CollectLines(text.substr(*split), bareLf, sink, memory, upperRoom)); });
    Collected upper = CollectLines(text.substr(0, ContentEnd(text, *split - 1)), bareLf, sink, memory);
    worker.join();
    ExtractionSummary& summary = lower->summary;
    summary.merged += upper.summary.merged;
    summary.skipped += upper.summary.skipped;
    if (upper.summary.skipped > 0) {
      summary.firstSkippedLine = upper.summary.firstSkippedLine;
    } else if (summary.skipped > 0) {
      summary.firstSkippedLine += upper.lines;
    }
    std::pmr::vector<CharacterData>& characters = lower->characters;
    // Each name's slot in the lower table is fetched a few names ahead: the
    // lookups would otherwise wait on memory one after another.
    constexpr std::size_t kAhead = 8;
    std::pmr::vector<CharacterData>& upperCharacters = upper.characters;
    uint64_t hashes[kAhead];
    for (std::size_t i = 0; i < upperCharacters.size() + kAhead; ++i) {
      uint64_t& hash = hashes[i % kAhead];  // of name i - kAhead, then of name i
      if (i >= kAhead) {
        CharacterData& c = upperCharacters[i - kAhead];
        if (lower->names.Contains(c.GetName(), hash)) {
          ++summary.merged;
        } else {
          characters.push_back(std::move(c));
        }
      }
      if (i < upperCharacters.size()) {
        hash = NameTable::Hash(upperCharacters[i].GetName());
        lower->names.Prefetch(hash);
      }
    }
    lower->arena.Adopt(std::move(upper.arena));
    summary.kept = characters.size();
  }
  return std::move(*lower);
}

}  // namespace

std::vector<CharacterData> CollectCharacters(std::string_view text) {
  LargePageMemory memory;
  const Collected collected = Collect(text, false, std::nullopt, nullptr, &memory);
  // Copies: the records leave the run's arena.
  return {collected.characters.begin(), collected.characters.end()};
}

ExtractionSummary Extract(std::string_view text, const ExtractionSettings& settings,
                          const SkillCatalogue& catalogue, ReportSink& sink) {
  // The run's long lists and tables, on large pages: the memory outlives
  // everything made from it below.
  LargePageMemory memory;
  const std::optional<std::size_t> split = SplitPoint(text, settings);
  const Collected collected = Collect(text, settings.bareLfEndsLine, split, &sink, &memory);
  const std::span<const CharacterData> characters = collected.characters;
  sink.TextRead();
  SortWork work;
  work.twoThreads = split.has_value();
  work.memory = &memory;
  const std::pmr::vector<uint32_t> order =
      SortedOrder(characters, ResolveSortKey(settings.key, catalogue), settings.descending, work);
  WriteReport(ReportHeader(catalogue), characters, order, settings.lineEnd, sink, split.has_value());
  return collected.summary;
}

std::string ExtractReport(std::string_view text, std::string_view key, bool descending,
                          const SkillCatalogue& catalogue, ExtractionSummary* summary) {
  StringSink sink;
  // A report is about as long as its text: room for that spares copying a
  // growing report, and pages of room it does not use are never touched.
  sink.report.reserve(text.size());
  PreferLargePages(sink.report.data(), sink.report.capacity());
  ExtractionSettings settings;
  settings.key = key;
  settings.descending = descending;
  const ExtractionSummary done = Extract(text, settings, catalogue, sink);
  if (summary) *summary = done;
  return std::move(sink.report);
}

}  // namespace roster
