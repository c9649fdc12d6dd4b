// The Extract command as a function of text: from the text box's contents,
// the sort key and the direction to the report that replaces them.
//
// The lines are walked from the last to the first and the first line met
// for a name wins, so each name is reported with its lowest line; equal sort
// keys keep that bottom-to-top order (reversed when descending).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "catalogue/skill_catalogue.h"
#include "character/character_data.h"

namespace roster {

inline constexpr std::string_view kLineEnd = "\r\n";

// One character per non-empty name, from the lowest line bearing it, in the
// bottom-to-top order of those lines.
std::vector<CharacterData> CollectCharacters(std::string_view text);

// The header, "\r\n", then each character's row and "\r\n".
std::string RenderReport(std::string_view header, const std::vector<CharacterData>& characters);

// The same report handed to `sink` in pieces of about `kReportPiece` bytes,
// each ending with `lineEnd`, so that a large report needs no second copy
// in memory.
inline constexpr std::size_t kReportPiece = 1 << 20;
template <typename Sink>
void WriteReport(std::string_view header, const std::vector<CharacterData>& characters, std::string_view lineEnd,
                 Sink sink) {
  std::string piece(header);
  piece.append(lineEnd);
  // The rows come in sorted order, so their field blocks lie anywhere in
  // memory: each is fetched a few rows ahead.
  constexpr std::size_t kAhead = 4;
  for (std::size_t i = 0; i < characters.size(); ++i) {
    if (i + kAhead < characters.size()) characters[i + kAhead].Prefetch();
    characters[i].AppendReportRow(piece);
    piece.append(lineEnd);
    if (piece.size() >= kReportPiece) {
      sink(std::string_view(piece));
      piece.clear();
    }
  }
  if (!piece.empty()) sink(std::string_view(piece));
}

// The whole run: collect, sort by `key` (as shown in the combo box) and
// render under the header built from `catalogue`.
std::string ExtractReport(std::string_view text, std::string_view key, bool descending,
                          const SkillCatalogue& catalogue);

}  // namespace roster
