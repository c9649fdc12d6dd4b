#include "support/character_peer.h"

namespace roster {

CharacterData CharacterDataTestPeer::Make(const CharacterFields& f) {
  CharacterData c;
  c.name = f.name;
  c.race = f.race;
  c.gender = f.gender;
  c.skillLevels = f.skillLevels;
  c.hp = f.hp;
  c.mp = f.mp;
  c.hit = f.hit;
  c.evasion = f.evasion;
  c.protection = f.protection;
  c.magicPower = f.magicPower;
  c.combatFeats = f.combatFeats;
  c.participationCount = f.participationCount;
  c.playerName = f.playerName;
  c.remarks = f.remarks;
  return c;
}

CharacterFields CharacterDataTestPeer::Fields(const CharacterData& c) {
  return {c.name,       c.race,    c.gender,     c.skillLevels, c.hp,
          c.mp,         c.hit,     c.evasion,    c.protection,  c.magicPower,
          c.combatFeats, c.participationCount, c.playerName, c.remarks};
}

}  // namespace roster
