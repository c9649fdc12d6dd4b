// The report table: a header line built from the catalogue's headings, and
// one column-aligned row per character. Widths are byte counts, which are
// columns in the text box's fixed-pitch font.
#pragma once

#include <memory_resource>
#include <string>

#include "catalogue/skill_catalogue.h"
#include "character/character_data.h"

namespace roster {

// "名前　　　|種族　", every row's heading in catalogue order, then
// "| HP/ MP|命/回/防/魔|《戦闘特技》".
std::string ReportHeader(const SkillCatalogue& catalogue);

// The character's row, without a line end; AppendReportRow appends it to
// `out` (a piece of the report, in the run's memory) without a string of
// its own.
std::string ReportRow(const CharacterFields& character);
void AppendReportRow(std::pmr::string& out, const CharacterFields& character);

}  // namespace roster
