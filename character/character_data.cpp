#include "character/character_data.h"

#include <algorithm>
#include <cstring>
#include <utility>

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

// A heap copy of a block, or none.
std::unique_ptr<char[]> CopyOf(const char* block) {
  const std::size_t size = field_block::SizeOf(block);
  if (size == 0) return nullptr;
  std::unique_ptr<char[]> copy(new char[size]);
  std::memcpy(copy.get(), block, size);
  return copy;
}

}  // namespace

std::size_t CharacterFields::SkillLevelCount() const {
  const std::string_view encoded = Text(kLevels);
  return encoded.empty() ? 0 : (encoded.size() - 1) / static_cast<unsigned char>(encoded[0]);
}

int32_t CharacterFields::SkillLevel(std::size_t index) const { return LevelAt(Text(kLevels), index); }

int32_t CharacterFields::HighestSkillLevel() const {
  int32_t highest = 0;
  ForEachSkillLevel([&](int32_t level) { highest = std::max(highest, level); });
  return highest;
}

bool operator==(const CharacterFields& a, const CharacterFields& b) {
  for (std::size_t i = 0; i < field_block::kNumberCount; ++i) {
    if (field_block::GetNumber(a.block_, i) != field_block::GetNumber(b.block_, i)) return false;
  }
  for (std::size_t i = 0; i < field_block::kFieldCount; ++i) {
    if (field_block::Get(a.block_, i) != field_block::Get(b.block_, i)) return false;
  }
  return true;
}

CharacterData::CharacterData(std::unique_ptr<char[]> block) : CharacterFields(block.get()), owned_(std::move(block)) {}

CharacterData::CharacterData(const CharacterFields& other) : CharacterData(CopyOf(BlockOf(other))) {}

CharacterData& CharacterData::operator=(const CharacterData& other) {
  if (this != &other) *this = CharacterData(other);
  return *this;
}

CharacterData::CharacterData(CharacterData&& other) noexcept
    : CharacterFields(std::exchange(other.block_, nullptr)), owned_(std::move(other.owned_)) {}

CharacterData& CharacterData::operator=(CharacterData&& other) noexcept {
  if (this != &other) {
    owned_ = std::move(other.owned_);
    block_ = std::exchange(other.block_, nullptr);
  }
  return *this;
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

field_block::Texts CharacterData::Builder::Texts() const {
  field_block::Texts texts = texts_;
  texts[kFeats] = feats_;
  texts[kLevels] = levels_;
  return texts;
}

CharacterData CharacterData::Builder::Build() const {
  const field_block::Texts texts = Texts();
  const field_block::Layout layout = field_block::LayoutOf(texts, numbers_);
  std::unique_ptr<char[]> block;
  if (layout.bytes > 0) {
    block.reset(new char[layout.bytes]);
    field_block::Write(texts, numbers_, layout, block.get());
  }
  return CharacterData(std::move(block));
}

void CharacterData::Builder::Clear() {
  texts_ = {};
  levels_.clear();
  feats_.clear();
  numbers_ = {};
}

}  // namespace roster
