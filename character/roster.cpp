#include "character/roster.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <type_traits>
#include <utility>

namespace roster {

// A record is a block's address: nothing to destroy, so the list is given
// back whole, and a list of a million records takes 8 MB.
static_assert(std::is_trivially_destructible_v<CharacterRecord>);
static_assert(sizeof(CharacterRecord) == sizeof(const char*));

Roster::Roster(std::size_t capacity, std::unique_ptr<std::pmr::memory_resource> blockMemory,
               std::pmr::memory_resource* listMemory)
    : listMemory_(listMemory), capacity_(std::max<std::size_t>(capacity, 1)) {
  records_ = static_cast<CharacterRecord*>(listMemory_->allocate(capacity_ * sizeof(CharacterRecord),
                                                                 alignof(CharacterRecord)));
  blockMemories_.push_back(std::move(blockMemory));
}

Roster::Roster(Roster&& other) noexcept
    : listMemory_(other.listMemory_),
      records_(std::exchange(other.records_, nullptr)),
      size_(std::exchange(other.size_, 0)),
      capacity_(std::exchange(other.capacity_, 0)),
      blockMemories_(std::move(other.blockMemories_)) {}

Roster::~Roster() {
  if (records_ != nullptr) listMemory_->deallocate(records_, capacity_ * sizeof(CharacterRecord), alignof(CharacterRecord));
}

void Roster::Reserve(std::size_t capacity) {
  if (capacity <= capacity_) return;
  auto* records = static_cast<CharacterRecord*>(listMemory_->allocate(capacity * sizeof(CharacterRecord),
                                                                      alignof(CharacterRecord)));
  for (std::size_t i = 0; i < size_; ++i) new (&records[i]) CharacterRecord(std::move(records_[i]));
  listMemory_->deallocate(records_, capacity_ * sizeof(CharacterRecord), alignof(CharacterRecord));
  records_ = records;
  capacity_ = capacity;
}

CharacterRecord* Roster::Slot() {
  if (size_ == capacity_) Reserve(capacity_ * 2);
  return &records_[size_++];
}

const CharacterRecord& Roster::Add(const CharacterData::Builder& fields) {
  const field_block::Texts texts = fields.Texts();
  const field_block::Layout layout = field_block::LayoutOf(texts, fields.numbers_);
  char* block = nullptr;
  if (layout.bytes > 0) {
    block = static_cast<char*>(blockMemories_.front()->allocate(layout.bytes, 1));
    field_block::Write(texts, fields.numbers_, layout, block);
  }
  return *new (Slot()) CharacterRecord(block);
}

}  // namespace roster
