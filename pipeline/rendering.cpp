// Rendering the report: the rows in report order, gathered in pieces of a
// megabyte or two that the two threads fill in turn.
#include <algorithm>
#include <atomic>
#include <optional>
#include <semaphore>
#include <string>

#include "pipeline/extraction_stages.h"
#include "pipeline/run_at_once.h"
#include "platform/platform.h"
#include "pipeline/large_page_memory.h"
#include "report/report_layout.h"

namespace roster {
namespace {

// Rows a piece holds: some one to two megabytes at the most, and an eighth
// of a short report, so that both threads have pieces to render.
std::size_t BlockRows(std::size_t rows) { return std::clamp<std::size_t>(rows / 8, 1, 8192); }

// Room for a piece of the report: one step of large pages, so that the piece
// takes one page fault; a short report takes a little.
std::size_t PieceRoom(std::size_t blockRows) { return std::min(blockRows * 256, LargePageMemory::kStep - 1); }

// Rows `first` to `last` of the report, each followed by `lineEnd`, appended
// to `out`.
void RenderRows(std::span<const CharacterRecord> records, std::span<const uint32_t> order, std::size_t first,
                std::size_t last, std::string_view lineEnd, std::pmr::string& out) {
  // The rows come in sorted order, so their records and blocks lie anywhere
  // in memory: a record is fetched eight rows ahead, its block (whose
  // address the record holds) four rows ahead.
  constexpr std::size_t kRecordAhead = 8, kBlockAhead = 4;
  for (std::size_t i = first; i < last; ++i) {
    if (i + kRecordAhead < last) __builtin_prefetch(&records[order[i + kRecordAhead]]);
    if (i + kBlockAhead < last) __builtin_prefetch(records[order[i + kBlockAhead]].BlockAddress());
    AppendReportRow(out, records[order[i]]);
    out.append(lineEnd);
  }
}

// A piece of the report with room taken at once, on large pages.
std::pmr::string Piece(std::size_t room, std::pmr::memory_resource& memory) {
  std::pmr::string piece(&memory);
  piece.reserve(room);
  PreferLargePages(piece.data(), piece.capacity());
  return piece;
}

}  // namespace

// Each thread fills one piece over and over, so the pages of the report are
// touched once; only the calling thread writes to the sink, in row order.
// Should either side fail (a sink that throws, memory that runs out), the
// other is let go and the failure ends the run: neither waits for a piece
// that will never come.
void Render(std::string_view header, std::span<const CharacterRecord> records, std::span<const uint32_t> order,
            std::string_view lineEnd, ReportSink& sink, bool twoParts, std::pmr::memory_resource& memory) {
  const std::size_t rows = order.size();
  const std::size_t blockRows = BlockRows(rows);
  std::pmr::string mine = Piece(std::max(PieceRoom(blockRows), header.size() + lineEnd.size()), memory);
  std::pmr::string theirs = twoParts ? Piece(PieceRoom(blockRows), memory) : std::pmr::string(&memory);
  mine.append(header);
  mine.append(lineEnd);
  // With two threads the calling thread renders the even blocks, a worker
  // the odd ones; with one, the calling thread renders them all.
  const std::size_t step = twoParts ? 2 * blockRows : blockRows;
  // `theirsWritten` may be released once more than the worker takes it,
  // when the calling thread fails and lets the worker go.
  std::binary_semaphore theirsReady(0);
  std::counting_semaphore<2> theirsWritten(0);
  std::atomic<bool> stopped = false, theirsFailed = false;
  std::optional<Worker> worker;
  if (twoParts) {
    worker.emplace([&] {
      try {
        for (std::size_t first = blockRows; first < rows; first += step) {
          RenderRows(records, order, first, std::min(rows, first + blockRows), lineEnd, theirs);
          theirsReady.release();
          theirsWritten.acquire();
          if (stopped) return;
          theirs.clear();
        }
      } catch (...) {
        theirsFailed = true;
        theirsReady.release();
        throw;
      }
    });
  }
  try {
    // The first block holds the header, even when there are no rows.
    for (std::size_t first = 0; first == 0 || first < rows; first += step) {
      RenderRows(records, order, first, std::min(rows, first + blockRows), lineEnd, mine);
      sink.Write(mine);
      mine.clear();
      if (twoParts && first + blockRows < rows) {
        theirsReady.acquire();
        if (theirsFailed) worker->Join();
        sink.Write(theirs);
        theirsWritten.release();
      }
    }
  } catch (...) {
    stopped = true;
    theirsWritten.release();
    throw;
  }
  if (worker) worker->Join();
}

}  // namespace roster
