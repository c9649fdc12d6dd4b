// The extraction's stages driven on their own, for the tests, the fuzzers
// and the benchmark: what a run collects, copied out of it, and a whole
// report gathered into one string.
#pragma once

#include <atomic>
#include <memory_resource>
#include <string>
#include <string_view>
#include <vector>

#include "pipeline/extraction.h"
#include "character/character_data.h"

namespace roster {

// One character per non-empty name, from the lowest line bearing it, in the
// bottom-to-top order of those lines; the text's lines end at "\r\n".
std::vector<CharacterData> CollectCharacters(std::string_view text);

// The most bytes that collecting `text` (its lines ending at "\r\n", in
// two halves as Extract would cut it) holds at once from the run's memory.
std::size_t PeakCollectionBytes(std::string_view text);

// What a whole run (Extract by name, two halves as Extract would cut a
// text of its size) takes from its memory: the most held at once, and all
// it allocates, each allocation counted as memory first touched.
struct RunMemoryUse {
  std::size_t peak = 0;
  std::size_t allocated = 0;
};
RunMemoryUse RunMemoryBytes(std::string_view text, const SkillCatalogue& catalogue);

// A memory resource that counts what is held from `upstream`, from any
// thread: now, at the most, and all it ever gave.
class CountingMemory final : public std::pmr::memory_resource {
 public:
  explicit CountingMemory(std::pmr::memory_resource& upstream) : upstream_(upstream) {}
  std::size_t Peak() const { return peak_; }
  std::size_t Allocated() const { return allocated_; }

 private:
  void* do_allocate(std::size_t bytes, std::size_t alignment) override;
  void do_deallocate(void* data, std::size_t bytes, std::size_t alignment) override;
  bool do_is_equal(const std::pmr::memory_resource& other) const noexcept override { return this == &other; }

  std::pmr::memory_resource& upstream_;
  std::atomic<std::size_t> held_{0};
  std::atomic<std::size_t> peak_{0};
  std::atomic<std::size_t> allocated_{0};
};

// Extract with the report gathered into one string.
std::string ExtractReport(std::string_view text, std::string_view key, bool descending,
                          const SkillCatalogue& catalogue, ExtractionSummary* summary = nullptr);

// Gathers a report.
class StringSink final : public ReportSink {
 public:
  void Write(std::string_view piece) override { report.append(piece); }
  std::string report;
};

}  // namespace roster
