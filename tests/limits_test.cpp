// Inputs at the sizes a user can meet finish in time linear in their size:
// no rescans from the start of a long line, no quadratic replacement.
#include <gtest/gtest.h>

#include <cstring>
#include <ctime>
#include <memory_resource>
#include <set>
#include <type_traits>
#include <unordered_map>

#include "pipeline/block_arena.h"
#include "pipeline/extraction.h"
#include "character/field_block.h"
#include "character/roster.h"
#include "pipeline/large_page_memory.h"
#include "pipeline/name_table.h"
#include "pipeline/record_lines.h"
#include "support/extraction_testing.h"
#include "support/roster_generator.h"

namespace roster {
namespace {

struct LimitCase {
  const char* what;
  std::string text;
};

// Generous: a linear pass over these takes well under a second, even under
// the sanitizers; a quadratic one would take minutes. (Processor time:
// <chrono> holds a character that has no CP932 form.)
constexpr double kBoundSeconds = 30;
// What collecting a text may hold of the run's memory beyond the size of
// the text: room for each character kept (its record, its name's slots),
// and a little more for any text.
constexpr std::size_t kRunBytesPerCharacter = 250;
constexpr std::size_t kRunBytesAtLeast = std::size_t{1} << 20;

TEST(Limits, LargeInputsFinishInLinearTime) {
  const std::string line = "ポール|人間男|１２|15/ 無|３/４/０/１|全力 3 ポチ 初参加";
  const std::vector<LimitCase> cases = {
      {"5 MB roster", RosterGenerator(9).NextRoster(70000)},
      {"one 1 MB line", line + std::string(1 << 20, 'x')},
      {"a line of 100,000 bars", std::string(100000, '|')},
      {"a tail of 1 MB of spaces", "A|人間|１|1/1|1|全力" + std::string(1 << 20, ' ') + "1 P"},
      {"a tail of 500,000 full-width spaces and stray bytes",
       [] {
         std::string tail;
         for (int i = 0; i < 250000; ++i) tail += "　\x81 ";
         return "A|人間|１|1/1|1|" + tail + "1 P";
       }()},
      {"a name cell of 1 MB", std::string(1 << 20, '\x83') + "|人間|１|1/1|1| 1 P"},
      {"10 MB of blank lines", [] {
         std::string text;
         for (int i = 0; i < 5 << 20; ++i) text += "\r\n";
         return text;
       }()},
      {"200,000 short lines", [] {
         std::string text;
         for (int i = 0; i < 200000; ++i) text += "A" + std::to_string(i % 5000) + "|x||1/1|1| 1 p\r\n";
         return text;
       }()},
  };
  for (const LimitCase& c : cases) {
    const std::clock_t start = std::clock();
    ExtractionSummary summary;
    const std::string report = ExtractReport(c.text, "名前", false, SkillCatalogue(), &summary);
    EXPECT_LT(static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC, kBoundSeconds) << c.what;
    EXPECT_EQ(report.substr(report.size() - 2), "\r\n") << c.what;
    // The run's own memory follows the characters kept, not the lines.
    EXPECT_LE(PeakCollectionBytes(c.text), c.text.size() + kRunBytesPerCharacter * summary.kept + kRunBytesAtLeast) << c.what;
  }
}

// An empty field may be a view with no data; the block must not pass it to
// memcpy (a fuzzer found this), and a character without texts and with
// every number 0 has no block. Every text and number reads back whatever
// width its offsets and numbers take.
TEST(FieldBlock, EveryFieldReadsBack) {
  EXPECT_EQ(field_block::LayoutOf({}, {}).bytes, 0u);
  EXPECT_EQ(field_block::Get(nullptr, 1), "");
  EXPECT_EQ(field_block::GetNumber(nullptr, 1), 0);
  const std::string wide(300, 'w'), wider(70000, 'v');
  struct BlockCase {
    field_block::Texts texts;
    field_block::Numbers numbers;
  };
  const BlockCase cases[] = {
      {{std::string_view(), "ab", std::string_view(), std::string_view(), "c", {}, {}}, {}},
      {{}, {0, 0, 0, 0, 0, 0, -1}},
      {{"a"}, {127, -128, 0, 1, -1, 5, 99}},
      {{wide}, {128, -129, 0, 0, 0, 0, 32767}},
      {{"x", wider}, {-32768, 32768, INT32_MAX, INT32_MIN, 0, 1, -1}},
  };
  for (const BlockCase& c : cases) {
    const field_block::Layout layout = field_block::LayoutOf(c.texts, c.numbers);
    std::vector<char> block(layout.bytes);
    field_block::Write(c.texts, c.numbers, layout, block.data());
    EXPECT_EQ(field_block::SizeOf(block.data()), block.size());
    for (std::size_t i = 0; i < field_block::kFieldCount; ++i) EXPECT_EQ(field_block::Get(block.data(), i), c.texts[i]);
    for (std::size_t i = 0; i < field_block::kNumberCount; ++i) {
      EXPECT_EQ(field_block::GetNumber(block.data(), i), c.numbers[i]) << c.numbers[i];
    }
  }
}

// A run's records are reached by const reference only, and cannot be copied
// or moved out of their roster: only an explicit copy leaves it.
static_assert(!std::is_copy_constructible_v<CharacterRecord>);
static_assert(!std::is_move_constructible_v<CharacterRecord>);
static_assert(!std::is_constructible_v<CharacterRecord, const CharacterRecord&&>);
static_assert(!std::is_copy_assignable_v<CharacterRecord> && !std::is_move_assignable_v<CharacterRecord>);
static_assert(std::is_same_v<decltype(std::declval<const Roster&>()[0]), const CharacterRecord&>);
static_assert(!std::is_convertible_v<const CharacterRecord&, CharacterData>);
static_assert(std::is_constructible_v<CharacterData, const CharacterRecord&>);
static_assert(std::is_copy_constructible_v<CharacterData> && std::is_nothrow_move_constructible_v<CharacterData>);

CharacterData::Builder Fields(std::string_view name, std::string_view remarks) {
  CharacterData::Builder fields;
  fields.Name(name).Remarks(remarks).AddSkillLevel(kSkillGroupMarker).AddSkillLevel(7).Hit(3);
  return fields;
}

// What leaves a run outlives it with every byte: the records' blocks in a
// run's arena (one larger than a chunk), a roster grown past its room, and
// records joined from a roster that has ended (AddressSanitizer would see
// any of them read from memory given back).
TEST(Roster, WhatLeavesTheRunOutlivesIt) {
  const std::string big(5 << 20, 'x');
  LargePageMemory runMemory;
  std::vector<CharacterData> kept;
  {
    Roster roster(1, std::make_unique<BlockArena>(&runMemory, 64), &runMemory);
    {
      Roster other(2, std::make_unique<BlockArena>(&runMemory, 64), &runMemory);
      for (std::string_view name : {"up1", "up2"}) other.Add(Fields(name, "joined"));
      roster.Add(Fields("a", "ab"));
      roster.Add(Fields("b", big));  // past the room of one record, and of a chunk
      roster.Join(std::move(other), [](std::size_t i) { return i == 1; });
    }
    ASSERT_EQ(roster.size(), 3u);
    EXPECT_EQ(roster[2].GetName(), "up2");
    EXPECT_EQ(roster[2].GetRemarks(), "joined");
    for (const CharacterRecord& record : roster.Records()) kept.push_back(record.ToOwned());
    kept.push_back(kept[1]);
  }
  EXPECT_EQ(kept[0].GetRemarks(), "ab");
  EXPECT_EQ(kept[1].GetRemarks(), big);
  EXPECT_EQ(kept[2].GetName(), "up2");
  EXPECT_EQ(kept[3], kept[1]);
  EXPECT_EQ(kept[3].SkillLevel(1), 7);
  CharacterData moved = std::move(kept[3]);
  EXPECT_EQ(moved.GetRemarks(), big);
  EXPECT_EQ(kept[3].GetRemarks(), "");  // a moved-from character is empty, not dangling
}

// A run's memory puts an allocation of 2 MiB or more on a 2 MiB boundary,
// where large pages can back it whole, and every byte asked for is usable.
TEST(LargePageMemory, PutsLargeAllocationsOnLargePageBoundaries) {
  LargePageMemory memory;
  for (std::size_t bytes : {std::size_t{1}, std::size_t{4096}, LargePageMemory::kStep - 1, LargePageMemory::kStep,
                            (std::size_t{5} << 20) + 3}) {
    for (std::size_t alignment : {std::size_t{1}, std::size_t{8}, std::size_t{64}}) {
      char* data = static_cast<char*>(memory.allocate(bytes, alignment));
      const std::size_t boundary = bytes >= LargePageMemory::kStep ? LargePageMemory::kStep : alignment;
      EXPECT_EQ(reinterpret_cast<std::uintptr_t>(data) % boundary, 0u) << bytes << " " << alignment;
      std::memset(data, 1, bytes);
      memory.deallocate(data, bytes, alignment);
    }
  }
}

// Two names of ten bytes whose hashes give one tag and that differ only in
// their fifth and sixth bytes.
std::pair<std::string, std::string> TwoNamesOfOneTag() {
  for (char last = 'A';; ++last) {
    std::unordered_map<uint32_t, std::string> seen;
    for (uint32_t middle = 0; middle < 0x10000; ++middle) {
      std::string name = "NAME--GHI";
      name[4] = static_cast<char>(middle >> 8);
      name[5] = static_cast<char>(middle);
      name += last;
      const auto [other, isNew] = seen.emplace(NameTable::Tag(name), name);
      if (!isNew) return {other->second, name};
    }
  }
}

// The table takes each name once, whatever the batches, the names' tags
// and its growth, as a set of the names would; and finds exactly the names
// it took.
TEST(NameTable, TakesEachNameOnce) {
  const auto [a, b] = TwoNamesOfOneTag();
  ASSERT_NE(a, b);
  ASSERT_EQ(NameTable::Tag(a), NameTable::Tag(b));
  std::vector<std::string> many;
  for (int i = 0; i < 5000; ++i) many.push_back(std::to_string(i * 7919 % 1500));
  struct Case {
    const char* what;
    std::vector<std::vector<std::string>> batches;
    std::vector<std::string> absent;  // looked up, never inserted
  };
  const Case cases[] = {
      {"repeats within a batch and across", {{"アルス", "エマ", "アルス", ""}, {"エマ", "ノア"}}, {"ノ", "アルスア"}},
      {"ten bytes and their prefixes", {{"ABCDEFGHIJ", "ABCDEFGHI", "BCDEFGHIJ", "ABCDEFGHIJ"}, {"A", "AB"}}, {"ABC"}},
      {"one tag, across batches", {{a}, {b}, {a, b}}, {}},
      {"one tag, in one batch", {{a, b, a, b}}, {}},
      {"one tag, the other name absent", {{a}}, {b}},
      {"growth, 1500 names in batches of 16", {many}, {"1500"}},
  };
  for (const Case& c : cases) {
    LargePageMemory memory;
    Roster records(1, std::make_unique<BlockArena>(&memory, 64), &memory);
    NameTable table(4, &memory);
    std::set<std::string> model;
    for (const std::vector<std::string>& batch : c.batches) {
      for (std::size_t from = 0; from < batch.size(); from += 16) {
        const std::vector<std::string_view> names(batch.begin() + from,
                                                  batch.begin() + std::min(batch.size(), from + 16));
        if (table.size() + names.size() > table.Room()) table.Reserve(2 * (table.size() + names.size()));
        std::unique_ptr<bool[]> inserted(new bool[names.size()]);
        table.InsertEach(names, records.Records(), std::span(inserted.get(), names.size()));
        for (std::size_t i = 0; i < names.size(); ++i) {
          const bool isNew = !names[i].empty() && model.emplace(names[i]).second;
          ASSERT_EQ(inserted[i], isNew) << c.what << ": " << names[i];
          CharacterData::Builder fields;
          if (isNew) records.Add(fields.Name(names[i]));
        }
      }
    }
    std::vector<std::string_view> probes(model.begin(), model.end());
    probes.insert(probes.end(), c.absent.begin(), c.absent.end());
    std::unique_ptr<bool[]> found(new bool[probes.size()]);
    table.ContainsEach(probes, records.Records(), std::span(found.get(), probes.size()));
    for (std::size_t i = 0; i < probes.size(); ++i) EXPECT_EQ(found[i], i < model.size()) << c.what << ": " << probes[i];
    EXPECT_EQ(table.size(), model.size()) << c.what;
  }
}

// The lines of a part's records read back as they were kept, at the largest
// numbers a part allows, whether it is small enough for one word a record
// or not.
TEST(RecordLines, KeepTheLargestNumbersAPartAllows) {
  for (const std::size_t bytes : {std::size_t{1}, (std::size_t{1} << 28) - 2, (std::size_t{1} << 28) - 1,
                                  std::size_t{1} << 40}) {
    RecordLines lines(bytes, std::pmr::get_default_resource());
    // Numbered from the bottom as the walk meets them: the last of the
    // part's bytes + 1 lines, then its first line.
    lines.Add(1, 0xFF, bytes - 1);
    lines.Add(bytes + 1, 0x01, 0);
    lines.Renumber(bytes + 2);
    EXPECT_EQ(lines.Line(0), bytes + 1) << bytes;
    EXPECT_EQ(lines.Notes(0), 0xFF) << bytes;
    EXPECT_EQ(lines.Start(0), bytes - 1) << bytes;
    EXPECT_EQ(lines.Line(1), 1u) << bytes;
    EXPECT_EQ(lines.Notes(1), 0x01) << bytes;
    EXPECT_EQ(lines.Start(1), 0u) << bytes;
  }
}

}  // namespace
}  // namespace roster
