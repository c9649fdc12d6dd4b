#include "support/character_peer.h"

#include "character/character_encoder.h"

namespace roster {

CharacterData CharacterDataTestPeer::Make(const CharacterFields& f) {
  CharacterEncoder record;
  record.name = f.name;
  record.race = f.race;
  record.gender = f.gender;
  for (int32_t level : f.skillLevels) record.AppendLevel(level);
  record.hp = f.hp;
  record.mp = f.mp;
  record.hit = f.hit;
  record.evasion = f.evasion;
  record.protection = f.protection;
  record.magicPower = f.magicPower;
  for (const std::string& feat : f.combatFeats) record.AppendFeat(feat);
  record.participationCount = f.participationCount;
  record.playerName = f.playerName;
  record.remarks = f.remarks;
  CharacterData c;
  record.StoreInto(c);
  return c;
}

CharacterFields CharacterDataTestPeer::Fields(const CharacterData& c) {
  CharacterFields f;
  f.name = c.GetName();
  f.race = c.GetRace();
  f.gender = c.GetGender();
  f.skillLevels = c.GetSkillLevels();
  f.hp = c.hp_;
  f.mp = c.mp_;
  f.hit = c.GetHit();
  f.evasion = c.GetEvasion();
  f.protection = c.GetProtection();
  f.magicPower = c.GetMagicPower();
  c.ForEachFeat([&](std::string_view feat) { f.combatFeats.emplace_back(feat); });
  f.participationCount = c.GetParticipationCount();
  f.playerName = c.GetPlayerName();
  f.remarks = std::string(c.fields_.Get(CharacterData::kRemarks));
  return f;
}

}  // namespace roster
