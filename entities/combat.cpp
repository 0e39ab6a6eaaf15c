// One exchange of blows: the attacker strikes, then the defender answers.
#include "app/game.h"
#include "app/wound_levels.h"
#include "entities/entity_mgr.h"

namespace mordavel {

namespace {
int damageLevel(int damage) {
  if (damage <= 0) return 0;
  if (damage <= 3) return 1;
  if (damage <= 8) return 2;
  if (damage <= 12) return 3;
  if (damage <= 15) return 4;
  return 5;
}
}  // namespace

void t_EntityMgr::strike(t_entity& striker, t_entity& target, std::string& text) {
  // Wounds weaken both the blow and the guard.
  const int attack = striker.dexterity - 3 * (6 - striker.hp);
  const int rating = game_.weapons.GetWeaponDamageByID(striker.weapon1ID);
  const int defence = target.strength - 3 * (6 - target.hp);
  const int armour = game_.armors.GetArmorValueByID(target.armor1ID);

  const int attackRoll = game_.Rand(attack / 6, attack);
  const int defenceRoll = game_.Rand(defence / 6, defence);

  if (striker.hp <= 2) {
    text += "The " + striker.name + " is unconscious and unable to fight.\n\n";
    striker.isAlerted = 0;
    return;
  }
  if (attackRoll <= defenceRoll) {
    text += "The " + striker.name + " missed.\n\n";
    return;
  }
  const int level = damageLevel(game_.Rand(rating / 6, rating) - armour);
  // A light blow only stuns the unhurt; it does not wound the wounded further.
  if (level >= 2 || (level == 1 && target.hp >= 6)) target.hp -= level;
  if (target.hp < 0) target.hp = 0;
  if (target.hp < 1) {
    target.isDead = 1;
    game_.players.AddFrag(striker.ownerID, 1);
  }
  text += striker.name + " hit and did " + std::to_string(level) + " levels of damage. " +
          target.name + " is " + woundLevelName(target.hp) + ".\n\n";
}

std::string t_EntityMgr::DoCombat(std::int32_t attackerID, std::int32_t defenderID) {
  game_.chance.reseedFromClock();
  std::string text = "*** FIGHTING ***\n\n";
  t_entity* attacker = GetEntityPtr(attackerID);
  t_entity* defender = GetEntityPtr(defenderID);
  if (attacker == nullptr || defender == nullptr) return text;  // nobody to fight
  strike(*attacker, *defender, text);
  strike(*defender, *attacker, text);
  return text;
}

}  // namespace mordavel
