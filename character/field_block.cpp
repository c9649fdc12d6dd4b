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

std::size_t TotalOf(const Texts& texts) {
  std::size_t total = 0;
  for (std::string_view text : texts) total += text.size();
  return total;
}

std::size_t End(const char* block, std::size_t field) {
  const std::size_t width = static_cast<unsigned char>(block[0]);
  if (width == 1) return static_cast<unsigned char>(block[1 + field]);
  uint32_t end = 0;
  for (std::size_t b = 0; b < width; ++b) {
    end |= static_cast<uint32_t>(static_cast<unsigned char>(block[1 + field * width + b])) << (8 * b);
  }
  return end;
}

}  // namespace

std::size_t SizeFor(const Texts& texts) {
  const std::size_t total = TotalOf(texts);
  return total == 0 ? 0 : 1 + kFieldCount * OffsetWidth(total) + total;
}

void Write(const Texts& texts, char* out) {
  const std::size_t width = OffsetWidth(TotalOf(texts));
  out[0] = static_cast<char>(width);
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
  const char* data = block + 1 + kFieldCount * static_cast<unsigned char>(block[0]);
  return {data + start, End(block, field) - start};
}

std::size_t SizeOf(const char* block) {
  return block == nullptr ? 0 : 1 + kFieldCount * static_cast<unsigned char>(block[0]) + End(block, kFieldCount - 1);
}

}  // namespace roster::field_block
