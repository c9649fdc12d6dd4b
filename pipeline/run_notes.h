// What a run of Extract has to say beside its report, decided here once for
// both front ends, which only word it: roster-extract in English on
// standard error, the window in Japanese in its status bar.
#pragma once

#include <string_view>

#include "catalogue/skill_catalogue.h"

namespace roster {

struct RunNotes {
  bool unknownKey = false;      // a key that names no entry of the key list: nothing is sorted
  bool groupKey = false;        // a group heading of the catalogue: every character holds its marker
  bool noSkillColumns = false;  // the catalogue has no rows: the header has no skill columns
};
RunNotes NotesOfRun(std::string_view key, const SkillCatalogue& catalogue);

}  // namespace roster
