#include "castle/trigger_mgr.h"

#include <algorithm>

#include "app/game.h"
#include "app/wound_levels.h"

namespace mordavel {

TTriggerMgr::TTriggerMgr(Game& game) : game_(game) { Init(); }

int TTriggerMgr::Init() {
  using namespace trigger;
  // id, room, category, target, value, enabled, persistent, entry, narration.
  addTrigger(1, 8, Narration, 0, 0, 1, 0, 1,
             "  As the lift comes to rest on the bottom floor it gives a shudder and stops dead. "
             "You try the lever, then the gears behind the panel, and spend a good while "
             "tinkering with them, but nothing moves. At last you give up: the lift is broken, "
             "and there is no way back up.\n");
  addTrigger(2, 17, Narration, 0, 0, 1, 0, 1,
             "  A steady thumping comes from behind the bed. Fearfully you lean over to look "
             "behind it, and a devastating Earth-dragon leaps out at you, its breath smelling "
             "of sulfur!\n");
  addTrigger(3, 17, Alert, 2, 1, 1, 0, 1, "");
  addTrigger(4, 14, Narration, 0, 0, 1, 0, 0,
             "  You take your chances and decide to drink the liquid. \n");
  addTrigger(5, 4, TreasureChance, 4, 1, 1, 1, 1, "");
  addTrigger(6, 4, MonsterChance, 8, 20, 1, 1, 1, "");
  addTrigger(7, 2, TreasureChance, 4, 1, 1, 1, 1, "");
  addTrigger(8, 2, MonsterChance, 8, 50, 1, 1, 1, "");
  addTrigger(9, 3, MonsterChance, 8, 50, 1, 1, 1, "");
  addTrigger(10, 12, MonsterChance, 8, 50, 1, 1, 1, "");
  addTrigger(11, 15, MonsterChance, 8, 50, 1, 1, 1, "");
  addTrigger(12, 14, MonsterChance, 8, 50, 1, 1, 1, "");
  addTrigger(13, 19, Hurt, 2, 0, 1, 0, 1, "");
  addTrigger(14, 13, Hurt, 1, 0, 1, 0, 1, "");
  addTrigger(15, 10, MonsterChance, 8, 100, 1, 1, 1, "");
  addTrigger(16, 8, TreasureChance, 4, 1, 1, 1, 1, "");
  addTrigger(17, 7, MonsterChance, 8, 25, 1, 1, 1, "");
  return 0;
}

int TTriggerMgr::addTrigger(std::uint16_t id, std::uint16_t roomNum, std::uint16_t category,
                            std::int32_t target, std::int32_t targetValue,
                            std::uint8_t isEnabled, std::uint8_t isPersistent,
                            std::uint8_t isEntryTrigger, const std::string& StoryText) {
  triggers_.push_back(TTrigger{id, roomNum, category, target, targetValue, isEnabled,
                               isPersistent, isEntryTrigger, StoryText});
  return 0;
}

int TTriggerMgr::Reset() {
  triggers_.clear();
  return Init();
}

int TTriggerMgr::Activate(std::uint16_t id) {
  if (std::find(activating_.begin(), activating_.end(), id) != activating_.end()) return 0;
  activating_.push_back(id);
  // By index: a chain activates further triggers while this walk goes on.
  for (std::size_t i = 0; i < triggers_.size(); ++i)
    if (triggers_[i].id == id && triggers_[i].isEnabled == 1) perform(i);
  activating_.pop_back();
  return 0;
}

void TTriggerMgr::perform(std::size_t index) {
  const TTrigger t = triggers_[index];
  auto& entities = game_.entities;
  switch (t.category) {
    case trigger::Narration:
      game_.say(t.StoryText);
      break;
    case trigger::OpenPathway:
      game_.rooms.EnablePathway(static_cast<std::uint16_t>(t.target),
                                static_cast<std::uint16_t>(t.targetValue), 8);
      break;
    case trigger::Chain:
      if (t.isPersistent == 0) triggers_[index].isEnabled = 0;
      Activate(static_cast<std::uint16_t>(t.target));
      break;
    case trigger::Alert:
      entities.setAlertness(t.target, static_cast<std::uint8_t>(t.targetValue));
      break;
    case trigger::TreasureChance:
      if (game_.Rand(1, 100) < 33) entities.RndTreasureEntity(t.target, t.targetValue);
      break;
    case trigger::MonsterChance:
      if (game_.Rand(1, 100) < t.targetValue) entities.RndMonsterEnemy(t.target, 1);
      break;
    case trigger::Hurt:
      hurtPlayer(t.target);
      break;
    default:
      break;
  }
}

void TTriggerMgr::hurtPlayer(std::int32_t cause) {
  const char* message = nullptr;
  if (cause == 2) {
    message = " As you enter the room, you are bitten by a spider. You are ";
  } else if (cause == 1) {
    message =
        " The ghost of the guard has awoken! It looks you straight in the eye, pauses for a "
        "long moment and then fades into the cold stone wall. The fright has sapped your "
        "strength. You are ";
  } else {
    return;
  }
  auto& entities = game_.entities;
  const std::int32_t me = game_.app.localPlayerID;
  entities.SubtractHP(me, 1);
  const std::int32_t hp = entities.GetHPByID(me);
  game_.say(message + woundLevelName(hp) + ".\n");
  // Told "dead", the player is dead: the next event ends the game.
  if (hp <= 0) entities.SetDead(me, 1);
}

int TTriggerMgr::Disable(std::uint16_t id) {
  for (TTrigger& t : triggers_)
    if (t.id == id && t.isPersistent == 0) t.isEnabled = 0;
  return 0;
}

int TTriggerMgr::checkRoomEntrance(std::uint16_t roomNum) {
  for (std::size_t i = 0; i < triggers_.size(); ++i) {
    const TTrigger& t = triggers_[i];
    if (t.roomNum != roomNum || t.isEnabled != 1 || t.isEntryTrigger != 1) continue;
    const std::uint16_t id = t.id;
    const bool persistent = t.isPersistent != 0;
    Activate(id);
    if (!persistent) Disable(id);
  }
  return 0;
}

}  // namespace mordavel
