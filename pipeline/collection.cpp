// Collecting a run's characters: the lines walked from the bottom, a batch
// at a time, each name looked up once, a large text in two halves at once.
#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>

#include "character/line_parser.h"
#include "pipeline/block_arena.h"
#include "pipeline/extraction_stages.h"
#include "pipeline/line_account.h"
#include "pipeline/name_table.h"
#include "pipeline/record_lines.h"
#include "pipeline/run_at_once.h"
#include "report/report_layout.h"

namespace roster {
namespace {

// Below this size a text is handled on one thread: a second one would cost
// more than it saves.
constexpr std::size_t kTwoThreadBytes = 1 << 20;
// Lines read from the bottom are given back in steps of this many bytes.
constexpr std::size_t kGiveBackBytes = 4 << 20;
// Lines parsed before their names are looked up together: enough that the
// table's fetches ahead (a slot, then the record its tag names, then that
// record's block) overlap the lookups of other names.
constexpr std::size_t kBatchLines = 64;

// Whether the "\n" at `lf` ends a line.
bool EndsLine(std::string_view text, std::size_t lf, bool bareLf) {
  return bareLf || (lf > 0 && text[lf - 1] == '\r');
}

// Where the line that the "\n" at `lf` ends stops: before its "\r", if any.
std::size_t ContentEnd(std::string_view text, std::size_t lf) {
  return lf > 0 && text[lf - 1] == '\r' ? lf - 1 : lf;
}

// Calls `visit(line, k)` for the lines of `text` from the last (k = 1) to
// the first. The line ends are found a window at a time, so that no list
// of them grows with the text.
template <typename Visit>
std::size_t WalkUp(std::string_view text, bool bareLf, Visit visit) {
  constexpr std::size_t kWindow = 4096;
  std::array<uint16_t, kWindow> ends;  // of the window's lines, from its start
  std::size_t end = text.size();       // where the lowest line not yet walked ends
  std::size_t k = 0;
  for (std::size_t stop = text.size(); stop > 0;) {
    const std::size_t from = stop > kWindow ? stop - kWindow : 0;
    const std::string_view window = text.substr(from, stop - from);
    std::size_t n = 0;
    for (std::size_t lf = window.find('\n'); lf != std::string_view::npos; lf = window.find('\n', lf + 1)) {
      if (!EndsLine(text, from + lf, bareLf)) continue;
      ends[n++] = static_cast<uint16_t>(lf);
      // The blank lines that follow, without a search each.
      const std::size_t step = bareLf ? 1 : 2;
      while (lf + step < window.size() && window[lf + step] == '\n' && (bareLf || window[lf + 1] == '\r')) {
        lf += step;
        ends[n++] = static_cast<uint16_t>(lf);
      }
    }
    while (n > 0) {
      const std::size_t lf = from + ends[--n];
      visit(std::string_view(text.data() + lf + 1, end - lf - 1), ++k);
      end = ContentEnd(text, lf);
    }
    stop = from;
  }
  visit(text.substr(0, end), ++k);
  return k;
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
  // `above`: the bytes of text above the part whose new names its roster
  // makes room for (those of the upper part, which joins it).
  Part(std::string_view text, bool bareLf, std::size_t above, bool numbered, std::pmr::memory_resource& memory)
      : blocks(new BlockArena(&memory, text.size() / 8)),
        roster(kFirstNames, std::unique_ptr<BlockArena>(blocks), &memory),
        names(kFirstNames, &memory), text(text), recordLines(text.size(), &memory), above(above), bareLf(bareLf),
        numbered(numbered) {}

  // The room a part starts with: the lists and the table grow as the
  // names walked tell, so that lines without a character cost nothing.
  static constexpr std::size_t kFirstNames = 1024;

  BlockArena* blocks;  // the roster's own
  Roster roster;
  NameTable names;
  ExtractionSummary summary;
  LineAccount account;
  // The names kept that were cut from longer typed names: what tells a
  // repeat of a name from two names made one. Few, so beside the records.
  std::unordered_map<std::string, TypedLine> cut;
  std::size_t lines = 0;
  // The upper part of two, which joins the lower, keeps for each record its
  // line, its notes and where its line starts, for what the join tells of
  // them.
  std::string_view text;
  RecordLines recordLines;
  // Its lines of cut names that repeat a name of its own: the lower part's
  // line of that name, if any, is the one they repeat.
  struct CutRepeat {
    std::string name, typedName;
    std::size_t line;
    LineEvent event;
  };
  std::vector<CutRepeat> cutRepeats;
  const char* heldEnd = nullptr;  // the lines above this are still in memory
  std::size_t above;
  bool bareLf;
  bool numbered;
};

// The lines of `part` of the whole `text`, walked from the last to the
// first a batch at a time: the names of a batch are looked up together, and
// only the lines whose name is new are parsed further. The lines walked are
// given back to `text` in large steps. Lines are numbered from the bottom
// here (1 the last), as the walk meets them.
class PartCollector {
 public:
  PartCollector(const InputText& text, std::string_view part, Part& out)
      : text_(text), out_(out), unreturned_(part.data() + part.size()), top_(unreturned_), bottom_(unreturned_) {}

  // An empty line: counted, and nothing else.
  void Blank() { out_.account.Count(LineEvent::kBlank); }

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
    if (out_.names.size() + count_ > out_.names.Room()) MakeRoom();
    out_.names.InsertEach(std::span(names).first(count_), out_.roster.Records(), std::span(inserted).first(count_));
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
    // The blocks to come, judged at the rate of the lines walked.
    const auto walked = static_cast<std::size_t>(bottom_ - top_);
    const double perByte = static_cast<double>(out_.blocks->Given()) / static_cast<double>(std::max<std::size_t>(walked, 1));
    out_.blocks->Expect(static_cast<std::size_t>(perByte * static_cast<double>(out_.text.size() - walked)));
    GiveBack();
    count_ = 0;
  }

  // The walk is over: where the lines still held end.
  const char* HeldEnd() const { return unreturned_; }

 private:
  // What the line of batch entry `i`, whose character was taken, noted.
  void Taken(const LineParser& parser, std::size_t i, std::string_view name) {
    const uint8_t notes = parser.Notes();
    if (out_.numbered) {
      out_.recordLines.Add(numbers_[i], notes, static_cast<std::size_t>(lines_[i].data() - out_.text.data()));
    }
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

  // The table, the roster and the record lines grow to the names the whole
  // part is expected to hold: those held, and as many more in the lines
  // left as new names came in the lines walked since the last growth. When
  // names repeat, new ones grow rarer as the walk goes up, and that rate
  // would room far more than comes: the names met then follow a power of
  // the bytes walked (its exponent read from this growth and the last),
  // and the lesser of the two counts, a twentieth more, is expected (a
  // count a little short costs a whole growth more). They grow by half at
  // least, so that a text whose names come faster further up costs a few
  // moves, not one per batch; and to eight times at the most, so that the
  // rate is measured again over more lines before the room is judged for
  // the whole part.
  void MakeRoom() {
    const std::size_t have = out_.names.size();
    const auto walked = static_cast<std::size_t>(bottom_ - top_);
    const double rate = static_cast<double>(have - grownAtNames_) /
                        static_cast<double>(std::max<std::size_t>(walked - grownAtBytes_, 1));
    const double power = grownAtNames_ > 0 && have > grownAtNames_ && walked > grownAtBytes_
                             ? std::log(static_cast<double>(have) / static_cast<double>(grownAtNames_)) /
                                   std::log(static_cast<double>(walked) / static_cast<double>(grownAtBytes_))
                             : 1;
    const auto expected = [&](std::size_t bytes) {
      const double more = static_cast<double>(bytes);
      const double onPower = 1.05 * static_cast<double>(have) *
                             std::pow((static_cast<double>(walked) + more) / static_cast<double>(walked), power);
      return static_cast<std::size_t>(std::min({static_cast<double>(have) + rate * more, onPower, 1e15}));
    };
    const std::size_t left = out_.text.size() - walked;
    const auto within = [&](std::size_t names) { return std::clamp(names, have + have / 2, 8 * have) + kBatchLines; };
    const std::size_t room = within(expected(left));
    out_.names.Reserve(room);
    out_.roster.Reserve(std::max(room, within(expected(left + out_.above))));
    if (out_.numbered) out_.recordLines.reserve(room);
    grownAtNames_ = have;
    grownAtBytes_ = walked;
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
  const char* const bottom_;
  std::array<std::optional<LineParser>, kBatchLines> parsers_;
  std::array<std::string_view, kBatchLines> lines_;
  std::array<std::size_t, kBatchLines> numbers_{};
  std::size_t count_ = 0;
  CharacterData::Builder fields_;
  std::size_t grownAtNames_ = 0, grownAtBytes_ = 0;  // the names held and the bytes walked at the last growth
};

// `numbered`: the part is the upper one, which joins another; `above` as
// for Part.
Part CollectPart(const InputText& text, std::string_view part, bool bareLf, std::pmr::memory_resource& memory,
                 std::size_t above = 0, bool numbered = false) {
  Part out(part, bareLf, above, numbered, memory);
  PartCollector collector(text, part, out);
  out.lines = WalkUp(part, bareLf, [&](std::string_view line, std::size_t k) {
    if (line.empty()) {
      collector.Blank();
    } else {
      collector.Add(line, k);
    }
  });
  collector.Settle();
  out.heldEnd = collector.HeldEnd();
  // Only the lower part's table is looked up at the join: the upper one's
  // room goes back before it.
  if (numbered) out.names = NameTable(0, &memory);
  out.summary.kept = out.roster.size();
  // The walk numbered the lines from the bottom: from here on they count
  // from the top.
  const std::size_t last = out.lines + 1;
  if (out.summary.skipped > 0) out.summary.firstSkippedLine = last - out.summary.firstSkippedLine;
  out.account.NumberFromTop(out.lines);
  for (auto& [name, typed] : out.cut) typed.line = last - typed.line;
  for (Part::CutRepeat& repeat : out.cutRepeats) repeat.line = last - repeat.line;
  out.recordLines.Renumber(last);
  return out;
}

// The text of the upper part's line that starts at `start` while it is
// still held; a text without data when the walk gave it back.
std::string_view HeldLine(const Part& part, std::size_t start) {
  if (part.text.data() + start >= part.heldEnd) return {};
  std::size_t lf = part.text.find('\n', start);
  while (lf != std::string_view::npos && !EndsLine(part.text, lf, part.bareLf)) lf = part.text.find('\n', lf + 1);
  const std::size_t end = lf == std::string_view::npos ? part.text.size() : ContentEnd(part.text, lf);
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
    lower.names.ContainsEach(std::span(&name, 1), lower.roster.Records(), std::span(&inLower, 1));
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
void Merge(Part& lower, Part&& upper, std::pmr::memory_resource& memory) {
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
  std::pmr::vector<char> inLower(upperRoster.size(), &memory);
  std::size_t droppedCount = 0;
  for (std::size_t i = 0; i < upperRoster.size(); i += kBlock) {
    const std::size_t n = std::min(kBlock, upperRoster.size() - i);
    std::array<std::string_view, kBlock> names;
    std::array<bool, kBlock> taken;
    for (std::size_t j = 0; j < n; ++j) names[j] = upperRoster[i + j].GetName();
    lower.names.ContainsEach(std::span(names).first(n), lower.roster.Records(), std::span(taken).first(n));
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
    const std::size_t line = upper.recordLines.Line(i);
    const uint8_t notes = upper.recordLines.Notes(i);
    for (const auto& [note, event] : kNoteEvents) {
      if ((notes & note) != 0) upper.account.Uncount(event);
    }
    if (notes != 0) unnoted.push_back(line);
    const std::string_view text = HeldLine(upper, upper.recordLines.Start(i));
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
  lower.roster.Reserve(lower.roster.size() + upperRoster.size() - droppedCount);
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
    summary.textChanged = !input.Intact();
    return {std::move(whole.roster), std::move(summary)};
  }
  std::optional<Part> lower;
  {
    // The lower roster makes room for the upper survivors as it grows
    // (judged from how often its own walk met new names), so that it
    // seldom moves at the join.
    const std::string_view lowerText = text.substr(*split);
    Worker worker([&] { lower.emplace(CollectPart(input, lowerText, bareLf, memory, *split)); });
    Part upper = CollectPart(input, text.substr(0, ContentEnd(text, *split - 1)), bareLf, memory, 0, true);
    worker.Join();
    Merge(*lower, std::move(upper), memory);
  }
  // The join read the upper lines last: from here on the text is not read.
  lower->summary.textChanged = !input.Intact();
  return {std::move(lower->roster), std::move(lower->summary)};
}

}  // namespace roster
