// Each stage of the extraction timed on its own, and the whole, on generated
// rosters of 10,000 and 1,000,000 lines; and the whole on every roster shape
// (BM_Shape/SHAPE/LINES), for the time per line at both sizes and the memory
// a run holds at once and touches in all.
#include <benchmark/benchmark.h>

#include <array>
#include <map>
#include <memory>
#include <span>

#include "pipeline/block_arena.h"
#include "pipeline/extraction_stages.h"
#include "pipeline/large_page_memory.h"
#include "pipeline/name_table.h"
#include "bench/roster_shapes.h"
#include "character/line_parser.h"
#include "report/report_layout.h"
#include "report/sort_order.h"
#include "support/extraction_testing.h"
#include "support/roster_generator.h"
#include "text/strings.h"

namespace roster {
namespace {

const std::string& Roster(int64_t lines) {
  static std::map<int64_t, std::string> rosters;
  auto found = rosters.find(lines);
  if (found == rosters.end()) {
    RosterGenerator generator(42);
    found = rosters.emplace(lines, generator.NextRoster(static_cast<std::size_t>(lines))).first;
  }
  return found->second;
}

const SkillCatalogue& Catalogue() {
  static const SkillCatalogue catalogue = [] {
    SkillCatalogue c;
    c.LoadText("g1,|\n剣,ｹﾝ\n弓,ﾕﾐ\n盾,ﾀﾃ\n杖,ﾂｴ\ng2,|\n");
    return c;
  }();
  return catalogue;
}

void SetLines(benchmark::State& state) {
  state.SetItemsProcessed(state.iterations() * state.range(0));
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(Roster(state.range(0)).size()));
}

void BM_CutLines(benchmark::State& state) {
  const std::string& text = Roster(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(SplitViews(text, kLineEnd));
  SetLines(state);
}

void BM_ParseEveryLine(benchmark::State& state) {
  const std::vector<std::string_view> lines = SplitViews(Roster(state.range(0)), kLineEnd);
  for (auto _ : state) {
    for (std::string_view line : lines) {
      CharacterData c;
      c.ParseLine(line);
      benchmark::DoNotOptimize(c);
    }
  }
  SetLines(state);
}

// The de-duplication alone: each line's name read and looked up, bottom up,
// a batch at a time, a record of the name alone kept for each new one.
void BM_Deduplicate(benchmark::State& state) {
  const std::vector<std::string_view> lines = SplitViews(Roster(state.range(0)), kLineEnd);
  constexpr std::size_t kBatch = 16;
  for (auto _ : state) {
    LargePageMemory memory;
    class Roster kept(lines.size(), std::make_unique<BlockArena>(&memory, std::size_t{1} << 20), &memory);
    NameTable seen(lines.size(), &memory);
    std::vector<std::string> names;
    for (auto line = lines.rbegin(); line != lines.rend(); ++line) names.emplace_back(LineParser(*line).Name());
    const std::vector<std::string_view> views(names.begin(), names.end());
    for (std::size_t i = 0; i < views.size(); i += kBatch) {
      const auto batch = std::span(views).subspan(i, std::min(kBatch, views.size() - i));
      std::array<bool, kBatch> inserted;
      seen.InsertEach(batch, kept.Records(), std::span(inserted).first(batch.size()));
      for (std::size_t j = 0; j < batch.size(); ++j) {
        CharacterData::Builder name;
        if (inserted[j]) kept.Add(name.Name(batch[j]));
      }
    }
    benchmark::DoNotOptimize(kept.size());
  }
  SetLines(state);
}

void BM_Collect(benchmark::State& state) {
  const std::string& text = Roster(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(CollectCharacters(text));
  SetLines(state);
}

void BM_Sort(benchmark::State& state, const char* key) {
  const std::vector<CharacterData> collected = CollectCharacters(Roster(state.range(0)));
  const SortKey resolved = ResolveSortKey(key, Catalogue());
  for (auto _ : state) {
    state.PauseTiming();
    std::vector<CharacterData> characters = collected;
    state.ResumeTiming();
    SortCharacters(characters, resolved, false);
    benchmark::DoNotOptimize(characters);
  }
  SetLines(state);
}

void BM_Render(benchmark::State& state) {
  LargePageMemory memory;
  const Collected collected = Collect(InputText::Of(Roster(state.range(0))), false, std::nullopt, memory);
  const std::string header = ReportHeader(Catalogue());
  struct Discard final : ReportSink {
    void Write(std::string_view piece) override { benchmark::DoNotOptimize(piece.data()); }
  } sink;
  const std::pmr::vector<uint32_t> order =
      SortedOrder(collected.roster.Records(), ResolveSortKey("名前", Catalogue()), false);
  for (auto _ : state) Render(header, collected.roster.Records(), order, kLineEnd, sink, false, memory);
  SetLines(state);
}

void BM_Whole(benchmark::State& state, const char* key) {
  const std::string& text = Roster(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(ExtractReport(text, key, false, Catalogue()));
  SetLines(state);
}

// The whole extraction by name on a roster of one shape; each roster is made
// when its benchmark first runs and dropped when it ends.
void BM_Shape(benchmark::State& state, std::string_view shape) {
  const std::string text = ShapedRoster(shape, static_cast<std::size_t>(state.range(0)), 42);
  for (auto _ : state) benchmark::DoNotOptimize(ExtractReport(text, "名前", false, Catalogue()));
  state.SetItemsProcessed(state.iterations() * state.range(0));
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
  // Per byte of text, the run's own memory beside the text: the most it
  // holds at once, and all it allocates (each byte of which it touches
  // fresh, unless the heap hands it back what a free gave it).
  const RunMemoryUse use = RunMemoryBytes(text, Catalogue());
  state.counters["held_per_byte"] = static_cast<double>(use.peak) / static_cast<double>(text.size());
  state.counters["touched_per_byte"] = static_cast<double>(use.allocated) / static_cast<double>(text.size());
}

void Sizes(benchmark::internal::Benchmark* b) {
  b->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->UseRealTime();
}

BENCHMARK(BM_CutLines)->Apply(Sizes);
BENCHMARK(BM_ParseEveryLine)->Apply(Sizes);
BENCHMARK(BM_Deduplicate)->Apply(Sizes);
BENCHMARK(BM_Collect)->Apply(Sizes);
BENCHMARK_CAPTURE(BM_Sort, name, "名前")->Apply(Sizes);
BENCHMARK_CAPTURE(BM_Sort, hit, "命中力")->Apply(Sizes);
BENCHMARK_CAPTURE(BM_Sort, skill, "弓")->Apply(Sizes);
BENCHMARK(BM_Render)->Apply(Sizes);
BENCHMARK_CAPTURE(BM_Whole, name, "名前")->Apply(Sizes);
BENCHMARK_CAPTURE(BM_Whole, skill, "弓")->Apply(Sizes);
BENCHMARK_CAPTURE(BM_Whole, adventurer_level, "冒険者レベル")->Apply(Sizes);

}  // namespace
}  // namespace roster

int main(int argc, char** argv) {
  for (const roster::RosterShape& shape : roster::RosterShapes()) {
    benchmark::RegisterBenchmark(("BM_Shape/" + std::string(shape.name)).c_str(), roster::BM_Shape, shape.name)
        ->Apply(roster::Sizes);
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
