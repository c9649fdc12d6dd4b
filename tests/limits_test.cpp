// Inputs at the sizes a user can meet finish in time linear in their size:
// no rescans from the start of a long line, no quadratic replacement.
#include <gtest/gtest.h>

#include <cstring>
#include <ctime>
#include <memory_resource>

#include "app/extraction.h"
#include "character/field_block.h"
#include "platform/platform.h"
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
      {"200,000 short lines", [] {
         std::string text;
         for (int i = 0; i < 200000; ++i) text += "A" + std::to_string(i % 5000) + "|x||1/1|1| 1 p\r\n";
         return text;
       }()},
  };
  for (const LimitCase& c : cases) {
    const std::clock_t start = std::clock();
    const std::string report = ExtractReport(c.text, "名前", false, SkillCatalogue());
    EXPECT_LT(static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC, kBoundSeconds) << c.what;
    EXPECT_EQ(report.substr(report.size() - 2), "\r\n") << c.what;
  }
}

// An empty field may be a view with no data; the block must not pass it to
// memcpy (a fuzzer found this).
TEST(FieldBlock, EmptyViewsHoldNothing) {
  const FieldBlock<7> empty(std::array<std::string_view, 7>{});
  EXPECT_EQ(empty.Get(1), "");
  const FieldBlock<7> mixed({std::string_view(), std::string_view("ab"), std::string_view(), std::string_view(),
                             std::string_view("c"), std::string_view(), std::string_view()});
  EXPECT_EQ(mixed.Get(0), "");
  EXPECT_EQ(mixed.Get(1), "ab");
  EXPECT_EQ(mixed.Get(4), "c");
  EXPECT_EQ(mixed.Get(6), "");
  FieldBlock<7> copy = mixed;
  EXPECT_TRUE(copy == mixed);
}

// Blocks in a run's arena, one of them larger than a chunk, in the heap's
// memory and in a run's: a copy (and a copy of a copy) outlives the arena
// with every byte, and a borrowed block is never freed on its own, nor a
// chunk with the wrong alignment (AddressSanitizer would see each fault).
TEST(FieldBlock, CopiesLeaveTheArena) {
  const std::string big(5 << 20, 'x');
  LargePageMemory runMemory;
  std::pmr::memory_resource* const memories[] = {std::pmr::get_default_resource(), &runMemory};
  for (std::pmr::memory_resource* memory : memories) {
    std::vector<FieldBlock<7>> copies;
    {
      FieldArena arena(memory);
      std::vector<FieldBlock<7>> borrowed;
      for (std::string_view text : {std::string_view("ab"), std::string_view(big), std::string_view("c")}) {
        borrowed.emplace_back(std::array<std::string_view, 7>{text, {}, text}, &arena);
        copies.push_back(borrowed.back());
      }
      FieldBlock<7> moved = std::move(borrowed[0]);
      borrowed[2] = std::move(moved);
      copies.push_back(copies[1]);
    }
    EXPECT_EQ(copies[0].Get(2), "ab");
    EXPECT_EQ(copies[1].Get(0), big);
    EXPECT_EQ(copies[2].Get(2), "c");
    EXPECT_EQ(copies[3].Get(2), big);
  }
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

}  // namespace
}  // namespace roster
