#include "character/character_data.h"

#include <algorithm>

namespace roster {
namespace {

int32_t LevelAt(std::string_view encoded, std::size_t index) {
  const std::size_t width = static_cast<unsigned char>(encoded[0]);
  const char* at = encoded.data() + 1 + index * width;
  if (width == 1) return static_cast<int8_t>(*at);
  uint32_t bits = 0;
  for (std::size_t b = 0; b < 4; ++b) bits |= static_cast<uint32_t>(static_cast<unsigned char>(at[b])) << (8 * b);
  return static_cast<int32_t>(bits);
}

void AppendWide(std::string& out, int32_t value) {
  const auto bits = static_cast<uint32_t>(value);
  for (std::size_t b = 0; b < 4; ++b) out.push_back(static_cast<char>(bits >> (8 * b)));
}

}  // namespace

std::size_t CharacterData::SkillLevelCount() const {
  const std::string_view encoded = fields_.Get(kLevels);
  return encoded.empty() ? 0 : (encoded.size() - 1) / static_cast<unsigned char>(encoded[0]);
}

int32_t CharacterData::SkillLevel(std::size_t index) const { return LevelAt(fields_.Get(kLevels), index); }

int32_t CharacterData::HighestSkillLevel() const {
  int32_t highest = 0;
  ForEachSkillLevel([&](int32_t level) { highest = std::max(highest, level); });
  return highest;
}

CharacterData::Builder& CharacterData::Builder::AddSkillLevelWidening(int32_t level) {
  if (levels_.empty()) levels_.push_back(1);
  const bool fitsByte = level >= INT8_MIN && level <= INT8_MAX;
  if (levels_[0] == 1 && !fitsByte) {
    std::string wide(1, 4);
    for (std::size_t i = 1; i < levels_.size(); ++i) AppendWide(wide, static_cast<int8_t>(levels_[i]));
    levels_ = std::move(wide);
  }
  if (levels_[0] == 1) {
    levels_.push_back(static_cast<char>(level));
  } else {
    AppendWide(levels_, level);
  }
  return *this;
}

CharacterData::Builder& CharacterData::Builder::AddFeat(std::string_view feat) {
  feat = feat.substr(0, UINT8_MAX);
  feats_.push_back(static_cast<char>(feat.size()));
  feats_.append(feat);
  return *this;
}

CharacterData CharacterData::Builder::Build(FieldArena* arena) const {
  CharacterData character = record_;
  std::array<std::string_view, kFieldCount> texts = texts_;
  texts[kFeats] = feats_;
  texts[kLevels] = levels_;
  character.fields_ = FieldBlock<kFieldCount>(texts, arena);
  return character;
}

}  // namespace roster
