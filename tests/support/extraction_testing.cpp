#include "support/extraction_testing.h"

#include <optional>

#include "pipeline/extraction_stages.h"
#include "platform/platform.h"
#include "pipeline/input_text.h"
#include "pipeline/large_page_memory.h"

namespace roster {

std::vector<CharacterData> CollectCharacters(std::string_view text) {
  LargePageMemory memory;
  const Collected collected = Collect(InputText::Of(text), false, std::nullopt, memory);
  std::vector<CharacterData> characters;
  characters.reserve(collected.roster.size());
  for (const CharacterRecord& record : collected.roster.Records()) characters.push_back(record.ToOwned());
  return characters;
}

void* CountingMemory::do_allocate(std::size_t bytes, std::size_t alignment) {
  void* data = upstream_.allocate(bytes, alignment);
  allocated_ += bytes;
  const std::size_t held = held_ += bytes;
  for (std::size_t peak = peak_; held > peak && !peak_.compare_exchange_weak(peak, held);) {
  }
  return data;
}

void CountingMemory::do_deallocate(void* data, std::size_t bytes, std::size_t alignment) {
  upstream_.deallocate(data, bytes, alignment);
  held_ -= bytes;
}

std::size_t PeakCollectionBytes(std::string_view text) {
  LargePageMemory large;
  CountingMemory memory(large);
  Collect(InputText::Of(text), false, SplitPoint(text, false), memory);
  return memory.Peak();
}

RunMemoryUse RunMemoryBytes(std::string_view text, const SkillCatalogue& catalogue) {
  struct Discard final : ReportSink {
    void Write(std::string_view) override {}
  } sink;
  LargePageMemory large;
  CountingMemory memory(large);
  ExtractionSettings settings;
  settings.key = "名前";
  ExtractSplit(InputText::Of(text), settings, catalogue, sink, SplitPoint(text, false), memory);
  return {memory.Peak(), memory.Allocated()};
}

std::string ExtractReport(std::string_view text, std::string_view key, bool descending,
                          const SkillCatalogue& catalogue, ExtractionSummary* summary) {
  StringSink sink;
  // A report is about as long as its text: room for that spares copying a
  // growing report.
  sink.report.reserve(text.size());
  PreferLargePages(sink.report.data(), sink.report.capacity());
  ExtractionSettings settings;
  settings.key = key;
  settings.descending = descending;
  const ExtractionSummary done = Extract(InputText::Of(text), settings, catalogue, sink);
  if (summary) *summary = done;
  return std::move(sink.report);
}

}  // namespace roster
