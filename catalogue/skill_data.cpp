#include "catalogue/skill_data.h"

#include <string_view>

#include "text/strings.h"

namespace roster {

void SkillData::Parse(std::string line) {
  const std::vector<std::string_view> pieces = SplitViews(line, ":");
  const std::vector<std::string_view> head = SplitViews(pieces[0], ",");
  name = std::string(head[0]);
  heading = head.size() >= 2 ? std::string(head[1]) : std::string();
  if (pieces.size() >= 2) note = std::string(pieces[1]);
}

}  // namespace roster
