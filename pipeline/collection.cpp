// Collecting a run's characters: the lines walked from the bottom, a batch
// at a time, each name looked up once, a large text in two halves at once.
#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>

#include "character/line_parser.h"
#include "pipeline/block_arena.h"
#include "pipeline/extraction_stages.h"
#include "pipeline/line_account.h"
#include "pipeline/name_table.h"
#include "pipeline/run_at_once.h"
#include "report/report_layout.h"

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

// The events that the notes of a character's line stand for.
constexpr std::array<std::pair<uint8_t, LineEvent>, 6> kNoteEvents = {{
    {kNoteFullWidthBars, LineEvent::kFullWidthBars},
    {kNoteNameShortened, LineEvent::kNameShortened},
    {kNoteNameReadsAsHeader, LineEvent::kNameReadsAsHeader},
    {kNoteOddSkillCell, LineEvent::kOddSkillCell},
    {kNoteNumberOutOfRange, LineEvent::kNumberOutOfRange},
    {kNoteExtraCells, LineEvent::kExtraCells},
}};

LineEvent NotCharacterEvent(LineKind kind) {
  switch (kind) {
    case LineKind::kNoSeparator: return LineEvent::kNoSeparator;
    case LineKind::kTooFewCells: return LineEvent::kTooFewCells;
    default: return LineEvent::kEmptyName;
  }
}

// A name cut from a longer one, as it was typed, and the line that typed it.
struct TypedLine {
  std::string typedName;
  std::size_t line;
};

// One stretch of lines collected: its characters, the table of their names
// and what became of the other lines.
struct Part {
  // `room`: how many records the roster takes without moving them.
  Part(std::string_view text, std::pmr::vector<std::size_t> lineEnds, std::size_t room, bool numbered,
       std::pmr::memory_resource& memory)
      : roster(room, std::make_unique<BlockArena>(&memory, text.size() / 8), &memory),
        names(lineEnds.size() + 1, &memory), lines(lineEnds.size() + 1), text(text), ends(std::move(lineEnds)),
        recordLines(&memory), numbered(numbered) {}

  Roster roster;
  NameTable names;
  ExtractionSummary summary;
  LineAccount account;
  // The names kept that were cut from longer typed names: what tells a
  // repeat of a name from two names made one. Few, so beside the records.
  std::unordered_map<std::string, TypedLine> cut;
  std::size_t lines;
  // The upper part of two, which joins the lower, keeps for each record its
  // line and notes (kRecordNotesShift), and the ends of its lines still
  // held, for what the join tells of them.
  std::string_view text;
  std::pmr::vector<std::size_t> ends;
  std::pmr::vector<uint64_t> recordLines;
  // Its lines of cut names that repeat a name of its own: the lower part's
  // line of that name, if any, is the one they repeat.
  struct CutRepeat {
    std::string name, typedName;
    std::size_t line;
    LineEvent event;
  };
  std::vector<CutRepeat> cutRepeats;
  const char* heldEnd = nullptr;  // the lines above this are still in memory
  bool numbered;
};
constexpr int kRecordNotesShift = 56;

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
    lines_[count_] = line;
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
        const LineKind kind = parser.Kind();
        if (kind == LineKind::kBlank) {
          out_.account.Count(LineEvent::kBlank);
        } else if (kind == LineKind::kHeader) {
          out_.account.Add(numbers_[i], LineEvent::kHeader, lines_[i]);
        } else {
          ++summary.skipped;
          summary.firstSkippedLine = numbers_[i];  // the walk goes up: the last one met is the first
          out_.account.Add(numbers_[i], NotCharacterEvent(kind), lines_[i]);
        }
      } else if (inserted[i]) {
        // Only the name decides whether a line's character is kept, and
        // parsing has no other effect, so a line whose name is taken is
        // parsed no further.
        fields_.Clear();
        parser.Fill(fields_);
        out_.roster.Add(fields_);
        Taken(parser, i, names[i]);
      } else {
        ++summary.merged;
        Replaced(parser, i, names[i]);
      }
    }
    GiveBack();
    count_ = 0;
  }

  // The walk is over: where the lines still held end.
  const char* HeldEnd() const { return unreturned_; }

 private:
  // What the line of batch entry `i`, whose character was taken, noted.
  void Taken(const LineParser& parser, std::size_t i, std::string_view name) {
    const uint8_t notes = parser.Notes();
    if (out_.numbered) out_.recordLines.push_back(numbers_[i] | uint64_t{notes} << kRecordNotesShift);
    if (notes == 0) return;
    for (const auto& [note, event] : kNoteEvents) {
      if ((notes & note) == 0) continue;
      LineEntry& entry = out_.account.Add(numbers_[i], event, lines_[i]);
      if (event != LineEvent::kNameShortened) continue;
      entry.name = name;
      entry.typedName = parser.TypedName();
      out_.cut.emplace(name, TypedLine{entry.typedName, numbers_[i]});
    }
  }

  // A line whose name a lower line's character has: a repeat, unless both
  // names were cut from different typed names.
  void Replaced(const LineParser& parser, std::size_t i, std::string_view name) {
    if ((out_.numbered || !out_.cut.empty()) && parser.NameCut()) {
      const auto winner = out_.cut.find(std::string(name));
      std::string typedName = parser.TypedName();
      const bool madeOne = winner != out_.cut.end() && winner->second.typedName != typedName;
      if (out_.numbered) {
        out_.cutRepeats.push_back(
            {std::string(name), typedName, numbers_[i], madeOne ? LineEvent::kNamesMerged : LineEvent::kReplaced});
      }
      if (madeOne) {
        LineEntry& entry = out_.account.Add(numbers_[i], LineEvent::kNamesMerged, lines_[i]);
        entry.name = name;
        entry.typedName = std::move(typedName);
        entry.otherLine = winner->second.line;
        entry.otherTypedName = winner->second.typedName;
        return;
      }
    }
    out_.account.Add(numbers_[i], LineEvent::kReplaced, lines_[i]);
  }

  // The lines from `top_` down have been read for good.
  void GiveBack() {
    if (unreturned_ - top_ < static_cast<std::ptrdiff_t>(kGiveBackBytes)) return;
    const std::string_view part(top_, static_cast<std::size_t>(unreturned_ - top_));
    out_.account.Keep(part);
    text_.ReleasePart(part);
    unreturned_ = top_;
  }

  const InputText& text_;
  Part& out_;
  const char* unreturned_;  // the lines from here down have not been given back
  const char* top_;         // where the last line added starts
  std::array<std::optional<LineParser>, kBatchLines> parsers_;
  std::array<std::string_view, kBatchLines> lines_;
  std::array<std::size_t, kBatchLines> numbers_{};
  std::size_t count_ = 0;
  CharacterData::Builder fields_;
};

// `numbered`: the part is the upper one, which joins another.
Part CollectPart(const InputText& text, std::string_view part, bool bareLf, std::pmr::memory_resource& memory,
                 std::size_t extraRoom = 0, bool numbered = false) {
  std::pmr::vector<std::size_t> lineEnds = LineEnds(part, bareLf, memory);
  const std::size_t room = lineEnds.size() + 1 + extraRoom;
  Part out(part, std::move(lineEnds), room, numbered, memory);
  if (numbered) out.recordLines.reserve(out.lines);
  const std::pmr::vector<std::size_t>& ends = out.ends;
  PartCollector collector(text, part, out);
  std::size_t end = part.size();
  std::size_t number = ends.size() + 1;
  for (auto lf = ends.rbegin(); lf != ends.rend(); ++lf) {
    collector.Add(part.substr(*lf + 1, end - *lf - 1), number--);
    end = ContentEnd(part, *lf);
  }
  collector.Add(part.substr(0, end), number);
  collector.Settle();
  out.heldEnd = collector.HeldEnd();
  out.summary.kept = out.roster.size();
  // Of the line ends, the join needs those of the lines still held, and
  // only in the upper part: the rest of the list goes now.
  const auto held = std::upper_bound(out.ends.begin(), out.ends.end(),
                                     static_cast<std::size_t>(out.heldEnd - part.data()));
  std::pmr::vector<std::size_t> kept(numbered ? out.ends.begin() : held, held, &memory);
  out.ends.swap(kept);
  return out;
}

// The text of line `number` of the upper part while it is still held; a
// text without data when the walk gave it back.
std::string_view HeldLine(const Part& part, std::size_t number) {
  // The ends kept are those of the lines held; the last line has none.
  const bool last = number == part.lines;
  if (number > part.ends.size() + (last ? 1 : 0)) return {};
  const std::size_t start = number == 1 ? 0 : part.ends[number - 2] + 1;
  const std::size_t end = last ? part.text.size() : ContentEnd(part.text, part.ends[number - 1]);
  if (part.text.data() + end > part.heldEnd) return {};
  return part.text.substr(start, end - start);
}

// The summary of a part walked alone, its entries read while its text is
// held.
ExtractionSummary Finished(Part& part) {
  ExtractionSummary summary = part.summary;
  summary.counts = part.account.Counts();
  summary.entries = part.account.Entries();
  return summary;
}

// An upper line of a cut name that repeats an upper name repeats the lower
// line of that name when there is one: a repeat of it, or two names made
// one, as the walk from the bottom would have told.
void Rejudge(const Part& lower, Part& upper, std::vector<LineEntry>& upperEntries) {
  for (const Part::CutRepeat& repeat : upper.cutRepeats) {
    const std::string_view name = repeat.name;
    bool inLower = false;
    lower.names.ContainsEach(std::span(&name, 1), std::span(&inLower, 1));
    if (!inLower) continue;
    const auto winner = lower.cut.find(repeat.name);
    const bool madeOne = winner != lower.cut.end() && winner->second.typedName != repeat.typedName;
    const LineEvent event = madeOne ? LineEvent::kNamesMerged : LineEvent::kReplaced;
    upper.account.Uncount(repeat.event);
    upper.account.Count(event);
    const auto entry = std::lower_bound(upperEntries.begin(), upperEntries.end(), repeat.line,
                                        [](const LineEntry& e, std::size_t line) { return e.line < line; });
    if (entry == upperEntries.end() || entry->line != repeat.line) continue;  // beyond the entries kept
    entry->event = event;
    entry->name = madeOne ? repeat.name : std::string();
    entry->typedName = madeOne ? repeat.typedName : std::string();
    entry->otherLine = madeOne ? winner->second.line + upper.lines : 0;
    entry->otherTypedName = madeOne ? winner->second.typedName : std::string();
  }
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
  // What the join drops: the upper lines whose names the lower part holds,
  // with the notes their characters no longer stand for.
  LineAccount dropped;
  std::vector<std::size_t> unnoted;
  const Roster& upperRoster = upper.roster;
  // The upper names are looked up a block at a time.
  constexpr std::size_t kBlock = 1024;
  std::vector<char> inLower(upperRoster.size());
  std::size_t droppedCount = 0;
  for (std::size_t i = 0; i < upperRoster.size(); i += kBlock) {
    const std::size_t n = std::min(kBlock, upperRoster.size() - i);
    std::array<std::string_view, kBlock> names;
    std::array<bool, kBlock> taken;
    for (std::size_t j = 0; j < n; ++j) names[j] = upperRoster[i + j].GetName();
    lower.names.ContainsEach(std::span(names).first(n), std::span(taken).first(n));
    for (std::size_t j = 0; j < n; ++j) {
      inLower[i + j] = taken[j];
      droppedCount += taken[j];
    }
  }
  // The records run from the bottom up: the last ones dropped have the
  // lowest lines, and only their entries can be kept.
  const std::size_t firstKept = droppedCount > kMaxLineEntries ? droppedCount - kMaxLineEntries : 0;
  std::size_t droppedSoFar = 0;
  for (std::size_t i = 0; i < upperRoster.size(); ++i) {
    if (!inLower[i]) continue;
    ++summary.merged;
    const bool mayBeKept = droppedSoFar++ >= firstKept;
    const std::size_t line = upper.recordLines[i] & ((uint64_t{1} << kRecordNotesShift) - 1);
    const auto notes = static_cast<uint8_t>(upper.recordLines[i] >> kRecordNotesShift);
    for (const auto& [note, event] : kNoteEvents) {
      if ((notes & note) != 0) upper.account.Uncount(event);
    }
    if (notes != 0) unnoted.push_back(line);
    const std::string_view text = HeldLine(upper, line);
    auto upperCut = upper.cut.end(), lowerCut = lower.cut.end();
    if ((notes & kNoteNameShortened) != 0 && !lower.cut.empty()) {
      const std::string name(upperRoster[i].GetName());
      upperCut = upper.cut.find(name);
      lowerCut = lower.cut.find(name);
    }
    const bool madeOne = upperCut != upper.cut.end() && lowerCut != lower.cut.end() &&
                         upperCut->second.typedName != lowerCut->second.typedName;
    LineEntry& entry = dropped.Add(line, madeOne ? LineEvent::kNamesMerged : LineEvent::kReplaced, text);
    // A line the walk gave back is told by its row, which reads as it did.
    if (text.data() == nullptr && mayBeKept) entry.text = ReportRow(upperRoster[i]);
    if (madeOne) {
      entry.name = upperCut->first;
      entry.typedName = upperCut->second.typedName;
      entry.otherLine = lowerCut->second.line + upper.lines;
      entry.otherTypedName = lowerCut->second.typedName;
    }
  }
  lower.roster.Join(std::move(upper.roster), [&](std::size_t i) { return !inLower[i]; });
  summary.kept = lower.roster.size();

  std::vector<LineEntry> upperEntries = upper.account.Entries();
  Rejudge(lower, upper, upperEntries);
  for (std::size_t k = 0; k < kLineEventKinds; ++k) {
    summary.counts[k] = lower.account.Counts()[k] + upper.account.Counts()[k] + dropped.Counts()[k];
  }
  std::sort(unnoted.begin(), unnoted.end());
  std::erase_if(upperEntries, [&](const LineEntry& e) { return std::binary_search(unnoted.begin(), unnoted.end(), e.line); });
  std::vector<LineEntry> lowerEntries = lower.account.Entries();
  for (LineEntry& entry : lowerEntries) {
    entry.line += upper.lines;
    if (entry.otherLine != 0) entry.otherLine += upper.lines;
  }
  summary.entries = LowestEntries(LowestEntries(std::move(upperEntries), dropped.Entries()), std::move(lowerEntries));
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
    ExtractionSummary summary = Finished(whole);
    return {std::move(whole.roster), std::move(summary)};
  }
  std::optional<Part> lower;
  {
    // The lower roster has room for the upper survivors from the start (as
    // many as lines of 16 bytes): only the pages they fill are touched, and
    // nothing is moved to grow.
    const std::size_t upperRoom = *split / 16 + 1;
    Worker worker([&] { lower.emplace(CollectPart(input, text.substr(*split), bareLf, memory, upperRoom)); });
    Part upper = CollectPart(input, text.substr(0, ContentEnd(text, *split - 1)), bareLf, memory, 0, true);
    worker.Join();
    Merge(*lower, std::move(upper));
  }
  return {std::move(lower->roster), std::move(lower->summary)};
}

}  // namespace roster
