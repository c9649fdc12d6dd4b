// The stages of one extraction, which Extract runs in order: collect the
// characters (a large text in two halves at once, which then merge), order
// them, render the report. The tests drive the stages through
// roster_testing; nothing else strings them together.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory_resource>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "pipeline/extraction.h"
#include "character/roster.h"
#include "report/sort_order.h"

namespace roster {

// Where a text is cut in two for the two cores: the start of a line (just
// after the "\n" that ends the line before) near the middle of a text of a
// megabyte or more; nothing to run on one thread.
std::optional<std::size_t> SplitPoint(std::string_view text, bool bareLf);
bool StartsLine(std::string_view text, std::size_t at, bool bareLf);

// The characters of a text, one per name, from the lowest line bearing it,
// in the bottom-to-top order of those lines; and what became of the lines.
struct Collected {
  Roster roster;
  ExtractionSummary summary;
};

// Collects the characters of `text`, in two halves at once when it is cut
// at `split` (which must be the start of a line), on the run's `memory`. The text is
// read here and nowhere else: its memory is given back as the walk leaves
// it, and it is gone when this returns; the summary tells whether its file
// changed while it was read (`textChanged`).
Collected Collect(InputText text, bool bareLf, std::optional<std::size_t> split, std::pmr::memory_resource& memory);

// The positions of the roster's records in report order; a long roster is
// sorted as two halves at once (`twoParts`).
std::pmr::vector<uint32_t> Order(const Roster& roster, const SortKey& key, bool descending, bool twoParts,
                                 std::pmr::memory_resource& memory);

// Hands the header and the rows of the records at the positions `order`
// lists, each followed by `lineEnd`, to the sink in pieces of one to two
// megabytes at the most, so that a large report needs no second copy; the
// rows are rendered on two threads when `twoParts`; the pieces come from
// `memory`.
void Render(std::string_view header, std::span<const CharacterRecord> records, std::span<const uint32_t> order,
            std::string_view lineEnd, ReportSink& sink, bool twoParts, std::pmr::memory_resource& memory);

// Extract, with the text cut where `split` says (not the start of a line,
// or nothing: not cut), the run's lists, tables and blocks taken from
// `memory`.
ExtractionSummary ExtractSplit(InputText text, const ExtractionSettings& settings, const SkillCatalogue& catalogue,
                               ReportSink& sink, std::optional<std::size_t> split, std::pmr::memory_resource& memory);

}  // namespace roster
