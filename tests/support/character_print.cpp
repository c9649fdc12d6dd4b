#include "support/character_print.h"

#include <iomanip>

namespace roster {
namespace {

// Bytes as C escapes where they are not printable ASCII.
void PrintBytes(std::string_view text, std::ostream& out) {
  out << '"';
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F && c != '"' && c != '\\') {
      out << c;
    } else {
      out << "\\x" << std::hex << std::setw(2) << std::setfill('0') << static_cast<int>(byte) << std::dec;
    }
  }
  out << '"';
}

}  // namespace

void PrintTo(const CharacterData& c, std::ostream* out) {
  *out << "{name ";
  PrintBytes(c.GetName(), *out);
  *out << " race ";
  PrintBytes(c.GetRace(), *out);
  *out << " gender ";
  PrintBytes(c.GetGender(), *out);
  *out << " levels [";
  c.ForEachSkillLevel([&](int32_t level) { *out << ' ' << level; });
  *out << " ] hp " << c.GetHp() << " mp " << c.GetMp() << " combat " << c.GetHit() << '/' << c.GetEvasion() << '/'
       << c.GetProtection() << '/' << c.GetMagicPower() << " feats [";
  c.ForEachFeat([&](std::string_view feat) {
    *out << ' ';
    PrintBytes(feat, *out);
  });
  *out << " ] count " << c.GetParticipationCount() << " player ";
  PrintBytes(c.GetPlayerName(), *out);
  *out << " remarks ";
  PrintBytes(c.GetRemarks(), *out);
  *out << '}';
}

}  // namespace roster
