// The Extract command as a function of text.
#include <gtest/gtest.h>

#include <stdexcept>

#include "pipeline/extraction_stages.h"
#include "pipeline/large_page_memory.h"
#include "text/strings.h"
#include "report/report_layout.h"
#include "support/extraction_testing.h"
#include "support/roster_generator.h"

namespace roster {
namespace {

const std::string kHeader = "名前　　　|種族　| HP/ MP|命/回/防/魔|《戦闘特技》";

std::string Row(const std::string& line) {
  CharacterData c;
  c.ParseLine(line);
  return ReportRow(c);
}

struct ExtractCase {
  const char* what;
  std::string text, key;
  bool descending;
  std::vector<std::string> rowsFromLines;  // the lines whose rows are expected, in order
};

TEST(ExtractReport, KeepsLowestLinePerNameAndSorts) {
  const std::string a1 = "A|人間||10/1|1| 1 first";
  const std::string b = "B|人間||20/2|2| 2 bee";
  const std::string a3 = "A|森人||30/3|3| 3 third";
  const std::vector<ExtractCase> cases = {
      {"empty box", "", "", false, {}},
      {"only line ends", "\r\n\r\n", "", false, {}},
      {"A, B, A: lowest A wins, bottom-to-top order", a1 + "\r\n" + b + "\r\n" + a3, "", false, {a3, b}},
      {"empty key descending: top to bottom", a1 + "\r\n" + b + "\r\n" + a3, "", true, {b, a3}},
      {"trailing line end adds nothing", a1 + "\r\n" + b + "\r\n", "名前", false, {a1, b}},
      {"header and junk lines are skipped", kHeader + "\r\nno bars\r\n" + b + "\r\n|x|y|z|w|v", "", false, {b}},
      {"a bare line feed is no line end", a1 + "\n" + b, "", false, {a1 + "\n" + b}},
      {"width and case tell names apart", "a|x||1/1|1| 1 p\r\nＡ|x||1/1|1| 1 p\r\nA|x||1/1|1| 1 p", "名前", false,
       {"A|x||1/1|1| 1 p", "a|x||1/1|1| 1 p", "Ａ|x||1/1|1| 1 p"}},
      {"spaces do not tell names apart", "A B|x||1/1|1| 1 p\r\nAB|x||2/2|1| 1 p", "", false, {"AB|x||2/2|1| 1 p"}},
      {"sorted descending by hit", a1 + "\r\n" + b + "\r\n" + "C|x||1/1|9| 1 p", "命中力", true,
       {"C|x||1/1|9| 1 p", b, a1}},
  };
  for (const ExtractCase& c : cases) {
    std::string expected = kHeader + "\r\n";
    for (const std::string& line : c.rowsFromLines) expected += Row(line) + "\r\n";
    EXPECT_EQ(ExtractReport(c.text, c.key, c.descending, SkillCatalogue()), expected) << c.what;
  }
}

struct Counts {
  std::size_t kept, merged, skipped, firstSkippedLine;
};

struct CountCase {
  const char* what;
  std::string text;
  Counts expected;
};

TEST(ExtractReport, CountsKeptMergedAndSkippedLines) {
  const std::string a = "A|人間||10/1|1| 1 p", b = "B|人間||20/2|2| 2 q";
  const std::string report = ExtractReport(a + "\r\n" + b, "", false, SkillCatalogue());
  const std::vector<CountCase> cases = {
      {"empty box", "", {0, 0, 0, 0}},
      {"two characters", a + "\r\n" + b + "\r\n", {2, 0, 0, 0}},
      {"a name on two lines", a + "\r\n" + b + "\r\n" + a, {2, 1, 0, 0}},
      {"a name on three lines", a + "\r\n" + a + "\r\n" + b + "\r\n" + a, {2, 2, 0, 0}},
      {"a note line", "-- 第3回 --\r\n" + a, {1, 0, 1, 1}},
      {"a header line", kHeader + "\r\n" + a, {1, 0, 0, 0}},
      {"a header of fewer than six cells", "名前|種族|HP/MP\r\n" + a, {1, 0, 0, 0}},
      {"blank lines, spaces and tabs", "\r\n  \t　\r\n" + a + "\r\n", {1, 0, 0, 0}},
      {"fewer than five bars", a + "\r\nC|人間||1/1|1", {1, 0, 1, 2}},
      {"a name cell of spaces only", " 　 |人間||1/1|1| 1 p\r\n" + a, {1, 0, 1, 1}},
      {"a leading bar", "|A|人間||1/1|1| 1 p", {0, 0, 1, 1}},
      {"the first skipped line from the top", a + "\r\nx\r\n\r\ny\r\n" + b + "\r\nz", {2, 0, 3, 2}},
      {"a report extracted again", report, {2, 0, 0, 0}},
  };
  for (const CountCase& c : cases) {
    ExtractionSummary summary;
    ExtractReport(c.text, "", false, SkillCatalogue(), &summary);
    EXPECT_EQ(summary.kept, c.expected.kept) << c.what;
    EXPECT_EQ(summary.merged, c.expected.merged) << c.what;
    EXPECT_EQ(summary.skipped, c.expected.skipped) << c.what;
    EXPECT_EQ(summary.firstSkippedLine, c.expected.firstSkippedLine) << c.what;
  }
}

// An entry as "LINE EVENT", with "TYPED>NAME" and "OTHERLINE OTHERTYPED"
// where the event has them.
std::string Described(const LineEntry& e) {
  std::string d = std::to_string(e.line) + " " + std::to_string(static_cast<int>(e.event));
  if (!e.name.empty()) d += " " + e.typedName + ">" + e.name;
  if (e.otherLine != 0) d += " " + std::to_string(e.otherLine) + " " + e.otherTypedName;
  return d;
}

struct AccountCase {
  const char* what;
  std::string text;
  std::vector<std::string> entries;  // Described
  std::string rowOfLine1;            // when not empty: the report's row of line 1's character
  // When not empty, the counts of these events, of which more happened
  // than entries are kept; otherwise each event counted has its entry.
  std::vector<std::pair<LineEvent, std::size_t>> counts = {};
};

// Every line is accounted for: each event of a line has its entry, with
// the line's start, and is counted once; the mends keep what was typed.
TEST(ExtractReport, AccountsForEveryLine) {
  const std::string john = "ジョン・ハート|人間男|３　　|30/0|1| 全力 3 けんじ 兄";
  const std::string leon = "レオン・ハート|人間男|３　　|30/0|1| 全力 2 みき 弟";
  const std::string cut = "ン・ハート|人間男|３　　|30/0|1| 全力 2 みき 弟";
  using E = LineEvent;
  auto is = [](E e) { return " " + std::to_string(static_cast<int>(e)); };
  // Over a megabyte, so two threads walk it: a note every 100th line and a
  // repeat of "A" every 100th after 50, 1,300 events, of which the upper
  // half holds fewer than the thousand entries kept.
  std::string many;
  std::vector<std::string> lowest;
  constexpr std::size_t kManyLines = 65'000;
  for (std::size_t line = 1; line <= kManyLines; ++line) {
    if (line % 100 == 0) many += "――";
    else if (line % 100 == 50) many += "A|x||1/1|1| 1 p";
    else many += "N" + std::to_string(line) + "|x||1/1|1| 1 p";
    if (line % 50 == 0 && lowest.size() < kMaxLineEntries) {
      lowest.push_back(std::to_string(line) + is(line % 100 == 0 ? E::kNoSeparator : E::kReplaced));
    }
    if (line < kManyLines) many += "\r\n";
  }
  const std::vector<AccountCase> cases = {
      {"more events than entries kept, in both halves", many, lowest, "",
       {{E::kNoSeparator, kManyLines / 100}, {E::kReplaced, kManyLines / 100 - 1}}},
      {"two typed names made one", john + "\r\n" + leon,
       {"1" + is(E::kNamesMerged) + " ジョン・ハート>ン・ハート 2 レオン・ハート",
        "2" + is(E::kNameShortened) + " レオン・ハート>ン・ハート"}, ""},
      {"the same typed name twice", john + "\r\n" + john, {"1" + is(E::kReplaced), "2" + is(E::kNameShortened) + " ジョン・ハート>ン・ハート"}, ""},
      {"a cut name pasted back, then typed whole", cut + "\r\n" + john,
       {"1" + is(E::kReplaced), "2" + is(E::kNameShortened) + " ジョン・ハート>ン・ハート"}, ""},
      {"a name typed whole, then its cut pasted back", john + "\r\n" + cut, {"1" + is(E::kReplaced)}, ""},
      {"padding that is only spaces cuts nothing", "　　　アルス|人間男||1/1|1| 1 p", {}, ""},
      {"lines that are no characters", "\r\n" + kHeader + "\r\n――第12回――\r\nタロウ|人間男|３\r\n　|人間||1/1|1| 1 p",
       {"2" + is(E::kHeader), "3" + is(E::kNoSeparator), "4" + is(E::kTooFewCells), "5" + is(E::kEmptyName)}, ""},
      {"cells after the last cell", "アルス|人間男||31/0|5/5/4/0|全力魔撃 12 たかし 前衛|盾持ち",
       {"1" + is(E::kExtraCells)}, "アルス　　|人間男|| 31/ 無|５/５/４/０|全力魔撃 12 たかし 前衛|盾持ち"},
      {"a lone empty last cell", "アルス|人間男|31/0|5/5/4/0|全力魔撃 12 たかし|", {}, ""},
      {"half-width digits in a skill cell", "A|人間男|3 1|1/1|1| 1 p", {"1" + is(E::kOddSkillCell)}, ""},
      {"numbers beyond the range", "A|人間男||2147483648/1|-2147483649| 1 p\r\nB|人間男||2147483647/1|-2147483648| 1 p",
       {"1" + is(E::kNumberOutOfRange)}, ""},
      {"a name that reads back as the header", "名 前|人間男||1/1|1| 1 p", {"1" + is(E::kNameReadsAsHeader)}, ""},
      {"a line typed with the IME's bar", "アルス｜人間男｜３｜31/0｜5/5/4/0｜全力魔撃 12 たかし",
       {"1" + is(E::kFullWidthBars)}, "アルス　　|人間男|３| 31/ 無|５/５/４/０|全力魔撃 12 たかし"},
  };
  for (const AccountCase& c : cases) {
    ExtractionSummary summary;
    const std::string report = ExtractReport(c.text, "", false, SkillCatalogue(), &summary);
    std::vector<std::string> described;
    std::array<std::size_t, kLineEventKinds> counted{};
    counted[static_cast<std::size_t>(E::kBlank)] = summary.Count(E::kBlank);
    const std::vector<std::string_view> lines = SplitViews(c.text, "\r\n");
    for (const LineEntry& e : summary.entries) {
      described.push_back(Described(e));
      ++counted[static_cast<std::size_t>(e.event)];
      EXPECT_EQ(e.text, lines[e.line - 1]) << c.what;
    }
    EXPECT_EQ(described, c.entries) << c.what;
    if (c.counts.empty()) {
      EXPECT_EQ(summary.counts, counted) << c.what;
    }
    for (const auto& [event, count] : c.counts) EXPECT_EQ(summary.Count(event), count) << c.what;
    if (!c.rowOfLine1.empty()) {
      EXPECT_EQ(report, kHeader + "\r\n" + c.rowOfLine1 + "\r\n") << c.what;
    }
  }
}


// Two threads give exactly the one-thread report and counts, wherever the
// halves meet: at every line of a roster whose names repeat across lines,
// with blank, note and header lines among them. With bare "\n" taken as line
// ends, the roster with every other "\r\n" made "\n" gives the same.
TEST(Extract, TwoThreadsGiveTheOneThreadReportAtEverySplit) {
  // Names made one and repeats across the halves, and lines with notes.
  const std::string upper = "ジョン・ハート|x||1/1|1| 1 p\r\nレオン・ハート|x|3 1|1/1|1| 1 p|盾\r\nA｜x｜｜1/1｜1｜ 1 p\r\n";
  const std::string lower = "\r\nレオン・ハート|y||2/2|1| 1 q\r\nジョン・ハート|y||1/1|1| 1 p\r\nA|y||1/1|1| 1 p";
  const std::string text = "-- 第1回 --\r\n" + upper + RosterGenerator(21).NextRoster(90) + "\r\n" + kHeader +
                           "\r\nx|y\r\n" + RosterGenerator(21).NextRoster(30) + lower;
  std::string mixed;
  for (std::size_t start = 0, count = 0;; ++count) {
    const std::size_t end = text.find("\r\n", start);
    mixed.append(text, start, end == std::string::npos ? std::string::npos : end - start);
    if (end == std::string::npos) break;
    mixed.append(count % 2 == 0 ? "\n" : "\r\n");
    start = end + 2;
  }
  SkillCatalogue catalogue;
  catalogue.LoadText("g,|\n剣,ｹﾝ\n");
  for (const char* key : {"", "名前", "命中力", "剣"}) {
    for (bool descending : {false, true}) {
      ExtractionSettings settings;
      settings.key = key;
      settings.descending = descending;
      StringSink one;
      const ExtractionSummary oneSummary = Extract(InputText::Of(text), settings, catalogue, one);
      for (bool bareLf : {false, true}) {
        settings.bareLfEndsLine = bareLf;
        const std::string input = bareLf ? mixed : text;
        for (std::size_t at = input.find('\n'); at != std::string::npos; at = input.find('\n', at + 1)) {
          StringSink two;
          LargePageMemory memory;
          ASSERT_EQ(ExtractSplit(InputText::Of(input), settings, catalogue, two, at + 1, memory), oneSummary)
              << key << " split at " << at + 1;
          ASSERT_EQ(two.report, one.report) << key << (descending ? " descending" : "") << (bareLf ? " bare LF" : "")
                                            << " split at " << at + 1;
        }
      }
    }
  }
}

// A text large enough that each half gives back the memory of the lines it
// has read as it goes: a line read again after that would hold zeros. The
// roster repeated gives the report of the roster once (the copies merge).
TEST(Extract, ALargeTextGivesBackWhatItHasRead) {
  const std::string once = RosterGenerator(31).NextRoster(4000);
  std::string repeated;
  while (repeated.size() < (std::size_t{12} << 20)) repeated += once + "\r\n";
  SkillCatalogue catalogue;
  catalogue.LoadText("g,|\n剣,ｹﾝ\n");
  ExtractionSummary summary;
  EXPECT_EQ(ExtractReport(repeated, "名前", false, catalogue, &summary), ExtractReport(once, "名前", false, catalogue));
  EXPECT_GT(summary.merged, summary.kept * 30);
}

// A sink that fails at its `failAt`-th piece, as a full disk or memory that
// runs out would.
class FailingSink final : public ReportSink {
 public:
  FailingSink(int failAt, bool outOfMemory) : left_(failAt), outOfMemory_(outOfMemory) {}
  void Write(std::string_view) override {
    if (--left_ > 0) return;
    if (outOfMemory_) throw std::bad_alloc();
    throw std::runtime_error("disk full");
  }

 private:
  int left_;
  bool outOfMemory_;
};

// A failing sink ends the run, on one thread or two, with its own failure
// (a lack of memory named as the stage it struck): no thread is left
// waiting for the other and none ends the program.
TEST(Extract, AFailingSinkEndsTheRun) {
  const std::string text = RosterGenerator(41).NextRoster(30000);
  ASSERT_TRUE(SplitPoint(text, false));
  for (const std::optional<std::size_t> split : {std::optional<std::size_t>(), SplitPoint(text, false)}) {
    for (int failAt : {1, 2, 3, 7}) {
      FailingSink disk(failAt, false), full(failAt, true);
      LargePageMemory memory;
      EXPECT_THROW(ExtractSplit(InputText::Of(text), {}, SkillCatalogue(), disk, split, memory), std::runtime_error)
          << failAt;
      try {
        ExtractSplit(InputText::Of(text), {}, SkillCatalogue(), full, split, memory);
        ADD_FAILURE() << "no failure at piece " << failAt;
      } catch (const OutOfMemory& failure) {
        EXPECT_STREQ(failure.During(), "writing the report");
      }
    }
  }
}

}  // namespace
}  // namespace roster
