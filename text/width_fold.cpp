#include "text/width_fold.h"

#include <array>
#include <cstdint>

#include "text/cp932.h"

namespace roster {
namespace {

// The full-width forms of the printable ASCII characters (0x20 to 0x7E) in
// code page 932, in ASCII order; 0 where the pair is not folded.
constexpr std::array<uint16_t, 95> kFullWidthOf = {
    0x8140, 0x8149, 0x8168, 0x8194, 0x8190, 0x8193, 0x8195, 0x8166,  //  !"#$%&'
    0x8169, 0x816A, 0x8196, 0x817B, 0x8143, 0x817C, 0x8144, 0x815E,  // ()*+,-./
    0x824F, 0x8250, 0x8251, 0x8252, 0x8253, 0x8254, 0x8255, 0x8256,  // 01234567
    0x8257, 0x8258, 0x8146, 0x8147, 0x8183, 0x8181, 0x8184, 0x8148,  // 89:;<=>?
    0x8197, 0x8260, 0x8261, 0x8262, 0x8263, 0x8264, 0x8265, 0x8266,  // @ABCDEFG
    0x8267, 0x8268, 0x8269, 0x826A, 0x826B, 0x826C, 0x826D, 0x826E,  // HIJKLMNO
    0x826F, 0x8270, 0x8271, 0x8272, 0x8273, 0x8274, 0x8275, 0x8276,  // PQRSTUVW
    0x8277, 0x8278, 0x8279, 0x816D, 0x815F, 0x816E, 0x814F, 0x8151,  // XYZ[\]^_
    0x814D, 0x8281, 0x8282, 0x8283, 0x8284, 0x8285, 0x8286, 0x8287,  // `abcdefg
    0x8288, 0x8289, 0x828A, 0x828B, 0x828C, 0x828D, 0x828E, 0x828F,  // hijklmno
    0x8290, 0x8291, 0x8292, 0x8293, 0x8294, 0x8295, 0x8296, 0x8297,  // pqrstuvw
    0x8298, 0x8299, 0x829A, 0x816F, 0x8162, 0x8170, 0x8160,          // xyz{|}~
};

}  // namespace

int HalfWidthOf(unsigned char lead, unsigned char trail) {
  // Digits are by far the most frequent; the rest of the table is tiny.
  if (lead == 0x82 && trail >= 0x4F && trail <= 0x58) return '0' + (trail - 0x4F);
  // Every full-width form starts with 0x81 or 0x82: a kanji such as 「無」
  // needs no look at the table.
  if (lead != 0x81 && lead != 0x82) return -1;
  const auto pair = static_cast<uint16_t>((lead << 8) | trail);
  for (std::size_t i = 0; i < kFullWidthOf.size(); ++i) {
    if (kFullWidthOf[i] == pair) return static_cast<int>(0x20 + i);
  }
  return -1;
}

void AppendFullWidthOf(std::string& out, char c) {
  const auto byte = static_cast<unsigned char>(c);
  if (byte < 0x20 || byte > 0x7E) {
    out.push_back(c);
    return;
  }
  const uint16_t pair = kFullWidthOf[byte - 0x20];
  out.push_back(static_cast<char>(pair >> 8));
  out.push_back(static_cast<char>(pair & 0xFF));
}

}  // namespace roster
