// Collecting a run's characters: the lines walked from the bottom, a batch
// at a time, each name looked up once, a large text in two halves at once.
#include <algorithm>
#include <array>
#include <memory>
#include <optional>

#include "pipeline/block_arena.h"
#include "pipeline/extraction_stages.h"
#include "pipeline/name_table.h"
#include "character/line_parser.h"
#include "pipeline/run_at_once.h"

namespace roster {
namespace {

// Below this size a text is handled on one thread: a second one would cost
// more than it saves.
constexpr std::size_t kTwoThreadBytes = 1 << 20;
// Lines read from the bottom are given back in steps of this many bytes.
constexpr std::size_t kGiveBackBytes = 4 << 20;
// Lines parsed before their names are looked up together.
constexpr std::size_t kBatchLines = 16;

// Whether the "\n" at `lf` ends a line.
bool EndsLine(std::string_view text, std::size_t lf, bool bareLf) {
  return bareLf || (lf > 0 && text[lf - 1] == '\r');
}

// Where the line that the "\n" at `lf` ends stops: before its "\r", if any.
std::size_t ContentEnd(std::string_view text, std::size_t lf) {
  return lf > 0 && text[lf - 1] == '\r' ? lf - 1 : lf;
}

// The positions of the "\n" that end the lines of `text`, in order.
std::pmr::vector<std::size_t> LineEnds(std::string_view text, bool bareLf, std::pmr::memory_resource& memory) {
  std::pmr::vector<std::size_t> ends(&memory);
  // Room for lines of 16 bytes on average: the list never grows by copying,
  // and pages of the room it does not use are never touched.
  ends.reserve(text.size() / 16 + 1);
  for (std::size_t lf = text.find('\n'); lf != std::string_view::npos; lf = text.find('\n', lf + 1)) {
    if (EndsLine(text, lf, bareLf)) ends.push_back(lf);
  }
  return ends;
}

// One stretch of lines collected: its characters, the table of their names
// and what became of the other lines.
struct Part {
  // `room`: how many records the roster takes without moving them.
  Part(std::size_t textBytes, std::size_t lineCount, std::size_t room, std::pmr::memory_resource& memory)
      : roster(room, std::make_unique<BlockArena>(&memory, textBytes / 8), &memory), names(lineCount, &memory),
        lines(lineCount) {}

  Roster roster;
  NameTable names;
  ExtractionSummary summary;
  std::size_t lines;
};

// The lines of `part` of the whole `text`, walked from the last to the
// first a batch at a time: the names of a batch are looked up together, and
// only the lines whose name is new are parsed further. The lines walked are
// given back to `text` in large steps.
class PartCollector {
 public:
  PartCollector(const InputText& text, std::string_view part, Part& out)
      : text_(text), out_(out), unreturned_(part.data() + part.size()), top_(unreturned_) {}

  void Add(std::string_view line, std::size_t number) {
    top_ = line.data();
    parsers_[count_].emplace(line);
    numbers_[count_++] = number;
    if (count_ == kBatchLines) Settle();
  }

  void Settle() {
    std::array<std::string_view, kBatchLines> names;
    std::array<bool, kBatchLines> inserted;
    for (std::size_t i = 0; i < count_; ++i) names[i] = parsers_[i]->Name();
    out_.names.InsertEach(std::span(names).first(count_), std::span(inserted).first(count_));
    ExtractionSummary& summary = out_.summary;
    for (std::size_t i = 0; i < count_; ++i) {
      LineParser& parser = *parsers_[i];
      if (names[i].empty()) {
        if (parser.IsBlankOrHeader()) continue;
        ++summary.skipped;
        summary.firstSkippedLine = numbers_[i];  // the walk goes up: the last one met is the first
      } else if (inserted[i]) {
        // Only the name decides whether a line's character is kept, and
        // parsing has no other effect, so a line whose name is taken is
        // parsed no further.
        fields_.Clear();
        parser.Fill(fields_);
        out_.roster.Add(fields_);
      } else {
        ++summary.merged;
      }
    }
    GiveBack();
    count_ = 0;
  }

 private:
  // The lines from `top_` down have been read for good.
  void GiveBack() {
    if (unreturned_ - top_ < static_cast<std::ptrdiff_t>(kGiveBackBytes)) return;
    text_.ReleasePart(std::string_view(top_, static_cast<std::size_t>(unreturned_ - top_)));
    unreturned_ = top_;
  }

  const InputText& text_;
  Part& out_;
  const char* unreturned_;  // the lines from here down have not been given back
  const char* top_;         // where the last line added starts
  std::array<std::optional<LineParser>, kBatchLines> parsers_;
  std::array<std::size_t, kBatchLines> numbers_{};
  std::size_t count_ = 0;
  CharacterData::Builder fields_;
};

Part CollectPart(const InputText& text, std::string_view part, bool bareLf, std::pmr::memory_resource& memory,
                 std::size_t extraRoom = 0) {
  const std::pmr::vector<std::size_t> ends = LineEnds(part, bareLf, memory);
  Part out(part.size(), ends.size() + 1, ends.size() + 1 + extraRoom, memory);
  PartCollector collector(text, part, out);
  std::size_t end = part.size();
  std::size_t number = ends.size() + 1;
  for (auto lf = ends.rbegin(); lf != ends.rend(); ++lf) {
    collector.Add(part.substr(*lf + 1, end - *lf - 1), number--);
    end = ContentEnd(part, *lf);
  }
  collector.Add(part.substr(0, end), number);
  collector.Settle();
  out.summary.kept = out.roster.size();
  return out;
}

// The upper half joins the lower: the lower half's names win, as the
// lowest line of a name does, so an upper character whose name the lower
// half holds is dropped, and the upper survivors follow the lower
// characters, as the walk from the bottom would have met them.
void Merge(Part& lower, Part&& upper) {
  ExtractionSummary& summary = lower.summary;
  summary.merged += upper.summary.merged;
  summary.skipped += upper.summary.skipped;
  if (upper.summary.skipped > 0) {
    summary.firstSkippedLine = upper.summary.firstSkippedLine;
  } else if (summary.skipped > 0) {
    summary.firstSkippedLine += upper.lines;
  }
  // The upper names are looked up a block at a time, as the join asks.
  constexpr std::size_t kBlock = 1024;
  std::array<std::string_view, kBlock> names;
  std::array<bool, kBlock> taken;
  const Roster& upperRoster = upper.roster;
  lower.roster.Join(std::move(upper.roster), [&](std::size_t i) {
    if (i % kBlock == 0) {
      const std::size_t n = std::min(kBlock, upperRoster.size() - i);
      for (std::size_t j = 0; j < n; ++j) names[j] = upperRoster[i + j].GetName();
      lower.names.ContainsEach(std::span(names).first(n), std::span(taken).first(n));
    }
    summary.merged += taken[i % kBlock];
    return !taken[i % kBlock];
  });
  summary.kept = lower.roster.size();
}

}  // namespace

bool StartsLine(std::string_view text, std::size_t at, bool bareLf) {
  return at >= 1 && at <= text.size() && text[at - 1] == '\n' && EndsLine(text, at - 1, bareLf);
}

std::optional<std::size_t> SplitPoint(std::string_view text, bool bareLf) {
  if (text.size() < kTwoThreadBytes) return std::nullopt;
  for (std::size_t lf = text.find('\n', text.size() / 2); lf != std::string_view::npos; lf = text.find('\n', lf + 1)) {
    if (EndsLine(text, lf, bareLf)) return lf + 1;
  }
  for (std::size_t lf = text.rfind('\n', text.size() / 2); lf != std::string_view::npos && lf > 0; lf = text.rfind('\n', lf - 1)) {
    if (EndsLine(text, lf, bareLf)) return lf + 1;
  }
  return std::nullopt;
}

Collected Collect(InputText input, bool bareLf, std::optional<std::size_t> split, std::pmr::memory_resource& memory) {
  const std::string_view text = input.View();
  if (!split) {
    Part whole = CollectPart(input, text, bareLf, memory);
    return {std::move(whole.roster), whole.summary};
  }
  std::optional<Part> lower;
  {
    // The lower roster has room for the upper survivors from the start (as
    // many as lines of 16 bytes): only the pages they fill are touched, and
    // nothing is moved to grow.
    const std::size_t upperRoom = *split / 16 + 1;
    Worker worker([&] { lower.emplace(CollectPart(input, text.substr(*split), bareLf, memory, upperRoom)); });
    Part upper = CollectPart(input, text.substr(0, ContentEnd(text, *split - 1)), bareLf, memory);
    worker.Join();
    Merge(*lower, std::move(upper));
  }
  return {std::move(lower->roster), lower->summary};
}

}  // namespace roster
