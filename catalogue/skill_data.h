// One row of the skill catalogue: a skill's name (its sort key) and the
// heading it puts into the report header, read from a line NAME,HEADING:NOTE.
#pragma once

#include <string>

namespace roster {

// A catalogue row. Rows are held by value and never destroyed through this
// base, hence the protected, non-virtual destructor.
class Data {
 public:
  std::string name;

  virtual void Parse(std::string line) = 0;

 protected:
  Data() = default;
  Data(const Data&) = default;
  Data& operator=(const Data&) = default;
  ~Data() = default;
};

class SkillData final : public Data {
 public:
  std::string heading;
  std::string note;  // kept with the row; nothing reads it

  // The part before the first ":" is cut at ","; its first piece is the name
  // and its second the heading. The text between the first and second ":"
  // is the note. Nothing is trimmed.
  void Parse(std::string line) override;

  friend bool operator==(const SkillData& a, const SkillData& b) {
    return a.name == b.name && a.heading == b.heading && a.note == b.note;
  }
};

}  // namespace roster
