#include "pipeline/run_notes.h"

#include "report/sort_order.h"

namespace roster {

RunNotes NotesOfRun(std::string_view key, const SkillCatalogue& catalogue) {
  const SortKey resolved = ResolveSortKey(key, catalogue);
  RunNotes notes;
  notes.unknownKey = !key.empty() && resolved.field == SortField::kNone;
  notes.groupKey = IsGroupHeading(resolved, catalogue);
  notes.noSkillColumns = catalogue.Rows().empty();
  return notes;
}

}  // namespace roster
