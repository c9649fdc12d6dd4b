#include "pipeline/extraction.h"

#include <optional>

#include "pipeline/extraction_stages.h"
#include "pipeline/large_page_memory.h"
#include "pipeline/run_at_once.h"
#include "report/report_layout.h"
#include "report/sort_order.h"

namespace roster {

// The stages, in order (extraction_stages.h): Collect (collection.cpp),
// Order, Render (rendering.cpp).

std::pmr::vector<uint32_t> Order(const Roster& roster, const SortKey& key, bool descending, bool twoParts,
                                 std::pmr::memory_resource& memory) {
  SortWork work;
  work.memory = &memory;
  if (twoParts) work.runParts = RunAtOnce;
  return SortedOrder(roster.Records(), key, descending, work);
}

namespace {

// Runs a stage; memory it cannot get ends the run as OutOfMemory, naming it.
template <typename Stage>
auto During(const char* what, Stage&& stage) -> decltype(stage()) {
  try {
    return stage();
  } catch (const OutOfMemory&) {
    throw;
  } catch (const std::bad_alloc&) {
    throw OutOfMemory(what);
  }
}

}  // namespace

ExtractionSummary ExtractSplit(InputText text, const ExtractionSettings& settings, const SkillCatalogue& catalogue,
                               ReportSink& sink, std::optional<std::size_t> split, std::pmr::memory_resource& memory) {
  // A split that is no line's start runs on one thread.
  if (split && !StartsLine(text.View(), *split, settings.bareLfEndsLine)) split.reset();
  const Collected collected = During("collecting the characters", [&] {
    return Collect(std::move(text), settings.bareLfEndsLine, split, memory);
  });
  if (collected.summary.textChanged) {
    ExtractionSummary changed;
    changed.textChanged = true;
    return changed;
  }
  const bool twoParts = split.has_value();
  const std::pmr::vector<uint32_t> order = During("sorting", [&] {
    return Order(collected.roster, ResolveSortKey(settings.key, catalogue), settings.descending, twoParts, memory);
  });
  During("writing the report", [&] {
    Render(ReportHeader(catalogue), collected.roster.Records(), order, settings.lineEnd, sink, twoParts,
           memory);
  });
  return collected.summary;
}

ExtractionSummary Extract(InputText text, const ExtractionSettings& settings, const SkillCatalogue& catalogue,
                          ReportSink& sink) {
  const std::optional<std::size_t> split = SplitPoint(text.View(), settings.bareLfEndsLine);
  // The run's memory, on large pages: it outlives everything made from it.
  LargePageMemory memory;
  return ExtractSplit(std::move(text), settings, catalogue, sink, split, memory);
}

}  // namespace roster
