#include "character/field_block.h"

#include <cstdint>
#include <cstring>

#include "text/short_copy.h"

namespace roster::field_block {
namespace {

std::size_t OffsetWidth(std::size_t total) {
  if (total <= UINT8_MAX) return 1;
  if (total <= UINT16_MAX) return 2;
  return 4;
}

// The bytes each number takes: as few as the widest of them needs.
std::size_t NumberWidth(const Numbers& numbers) {
  uint32_t bits = 0, any = 0;  // the bits beyond a sign bit that some number needs, and any bit
  for (int32_t number : numbers) {
    bits |= static_cast<uint32_t>(number ^ (number >> 31));
    any |= static_cast<uint32_t>(number);
  }
  if (any == 0) return 0;
  if (bits <= 0x7F) return 1;
  if (bits <= 0x7FFF) return 2;
  return 4;
}

std::size_t TotalOf(const Texts& texts) {
  std::size_t total = 0;
  for (std::string_view text : texts) total += text.size();
  return total;
}

// `width` little-endian bytes at `at`.
uint32_t LittleEndian(const char* at, std::size_t width) {
  uint32_t value = 0;
  for (std::size_t b = 0; b < width; ++b) value |= static_cast<uint32_t>(static_cast<unsigned char>(at[b])) << (8 * b);
  return value;
}

std::size_t End(const char* block, std::size_t field) {
  const std::size_t width = OffsetWidthOf(block);
  if (width == 1) return static_cast<unsigned char>(block[1 + field]);
  return LittleEndian(block + 1 + field * width, width);
}

// Where a block's numbers start: after its offsets and its texts.
const char* NumbersAt(const char* block) {
  return block + 1 + kFieldCount * OffsetWidthOf(block) + End(block, kFieldCount - 1);
}

}  // namespace

Layout LayoutOf(const Texts& texts, const Numbers& numbers) {
  Layout layout;
  layout.textBytes = TotalOf(texts);
  layout.offsetWidth = OffsetWidth(layout.textBytes);
  layout.numberWidth = NumberWidth(numbers);
  if (layout.textBytes > 0 || layout.numberWidth > 0) {
    layout.bytes = 1 + kFieldCount * layout.offsetWidth + layout.textBytes + kNumberCount * layout.numberWidth;
  }
  return layout;
}

void Write(const Texts& texts, const Numbers& numbers, const Layout& layout, char* out) {
  const std::size_t width = layout.offsetWidth, numberWidth = layout.numberWidth;
  out[0] = static_cast<char>(width | numberWidth << 4);
  // Two's complement bytes of each number, `numberWidth` of them.
  char* at = out + 1 + kFieldCount * width + layout.textBytes;
  if (numberWidth == 1) {
    for (std::size_t i = 0; i < kNumberCount; ++i) at[i] = static_cast<char>(numbers[i]);
  } else {
    for (int32_t number : numbers) {
      for (std::size_t b = 0; b < numberWidth; ++b) *at++ = static_cast<char>(static_cast<uint32_t>(number) >> (8 * b));
    }
  }
  if (width == 1) {
    // Nearly every block: one byte an offset, and fields of a few bytes.
    char* data = out + 1 + kFieldCount;
    std::size_t end = 0;
    for (std::size_t i = 0; i < kFieldCount; ++i) {
      CopyShort(data + end, texts[i].data(), texts[i].size());
      end += texts[i].size();
      out[1 + i] = static_cast<char>(end);
    }
    return;
  }
  char* data = out + 1 + kFieldCount * width;
  std::size_t end = 0;
  for (std::size_t i = 0; i < kFieldCount; ++i) {
    // An empty view may have no data at all, which memcpy must not be given.
    if (!texts[i].empty()) std::memcpy(data + end, texts[i].data(), texts[i].size());
    end += texts[i].size();
    const auto offset = static_cast<uint32_t>(end);
    // Little-endian bytes of the end offset, `width` of them.
    for (std::size_t b = 0; b < width; ++b) out[1 + i * width + b] = static_cast<char>(offset >> (8 * b));
  }
}

std::string_view GetWide(const char* block, std::size_t field) {
  const std::size_t start = field == 0 ? 0 : End(block, field - 1);
  const char* data = block + 1 + kFieldCount * OffsetWidthOf(block);
  return {data + start, End(block, field) - start};
}

int32_t GetNumberWide(const char* block, std::size_t index) {
  const std::size_t width = NumberWidthOf(block);
  if (width == 0) return 0;
  const uint32_t bits = LittleEndian(NumbersAt(block) + index * width, width);
  // The bytes' top bit is the sign.
  const unsigned shift = 32 - 8 * static_cast<unsigned>(width);
  return static_cast<int32_t>(bits << shift) >> shift;
}

std::size_t SizeOf(const char* block) {
  if (block == nullptr) return 0;
  return static_cast<std::size_t>(NumbersAt(block) - block) + kNumberCount * NumberWidthOf(block);
}

}  // namespace roster::field_block
