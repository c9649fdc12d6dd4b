// The report table: a header line built from the catalogue's headings, and
// one column-aligned row per character (CharacterData::ReportRow). Widths are
// byte counts, which are columns in the text box's fixed-pitch font.
#pragma once

#include <string>

#include "catalogue/skill_catalogue.h"

namespace roster {

// "名前　　　|種族　", every row's heading in catalogue order, then
// "| HP/ MP|命/回/防/魔|《戦闘特技》".
std::string BuildReportHeader(const SkillCatalogue& catalogue);

// The header of the process catalogue, built at the first call and kept for
// the life of the process.
std::string ReportHeader();

}  // namespace roster
