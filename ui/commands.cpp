// What the fixed command buttons and the entity action buttons do.
#include "app/game.h"
#include "app/wound_levels.h"
#include "ui/window_mgr.h"

namespace mordavel {

void TWindowMgr::ShowInventoryCommand() {
  AppendStoryArea("Show Inventory\n\n");
  game_.inventory.ShowInventory(game_.app.localPlayerID);
  game_.app.displayWhatNow();
}

void TWindowMgr::ConsumeCommand() {
  AppendStoryArea("Eat food\n\nYou decide to consume some of your food. ");
  game_.entities.ConsumeFood(game_.app.localPlayerID);
  game_.app.displayWhatNow();
}

void TWindowMgr::ShowStatsCommand() {
  const std::int32_t me = game_.app.localPlayerID;
  auto& e = game_.entities;
  auto held = [&](const char* typeName) {
    return std::to_string(game_.inventory.GetQtyByEntityIDAndItemID(
        me, game_.objectTypes.GetObjectTypeIDByName(typeName)));
  };
  AppendStoryArea("Get stats\n\n"
                  "Your wound level is " + woundLevelName(e.GetHPByID(me)) + ". " +
                  "You have " + held("treasure") + " treasure. " +
                  "Your provisions sack holds " + held("food") + " units of food. " +
                  "Your primary weapon is " +
                  game_.weapons.GetWeaponNameByID(e.GetCurrentWeaponByID(me)) + ". " +
                  "Your armor is " + game_.armors.GetArmorNameByID(e.GetCurrentArmorByID(me)) +
                  ".\n\n");
  game_.app.displayWhatNow();
}

void TWindowMgr::ExamineAction(std::int32_t target) {
  auto& e = game_.entities;
  const std::string text = e.getObjectDesc(target);
  AppendStoryArea(text);
  if (text.empty()) return;  // nothing there any more: no prompt either
  const std::int32_t type = e.GetObjectType(target);
  if (type == game_.objectTypes.GetObjectTypeIDByName("sack of flour")) {
    e.RndTreasureEntity(4, 1);
    e.SetDead(target, 1);
  }
  if (type == game_.objectTypes.GetObjectTypeIDByName("sack of potatoes")) {
    const std::int32_t monster = e.RndMonsterEnemy(8, 1);
    e.setAlertness(monster, 1);
    e.SetDead(target, 1);
  }
  game_.app.displayWhatNow();
}

void TWindowMgr::AskAction(std::int32_t target) { game_.entities.AskEntity(target); }

void TWindowMgr::FightAction(std::int32_t target) {
  auto& e = game_.entities;
  const std::int32_t me = game_.app.localPlayerID;
  AppendStoryArea("You decide to attack.\n\n");
  const std::int32_t hp = e.GetHPByID(me);
  std::string text;
  if (hp > 2) {
    text = e.DoCombat(me, target);
    e.setAlertness(target, 1);
  } else {
    text = "Unfortunately, you are " + woundLevelName(hp) + " and too wounded to attach.";
  }
  AppendStoryArea(text);
  e.DoSurvival(me);
  e.DoSurvival(target);
  game_.app.displayWhatNow();
}

void TWindowMgr::TakeAction(std::int32_t target) {
  auto& e = game_.entities;
  AppendStoryArea("Take " + e.GetName(target) + "\n");
  e.takeObject(target, game_.app.currentRm, game_.app.localPlayerID);
  game_.app.displayWhatNow();
}

void TWindowMgr::UseAction(std::int32_t target) {
  // Using the elixir first runs its story: the player takes the chance.
  if (game_.entities.GetObjectType(target) == 6) game_.triggers.Activate(7);
  game_.entities.UseItem(target);
  game_.app.displayWhatNow();
}

void TWindowMgr::TriggerAction(std::int32_t target) {
  game_.triggers.Activate(static_cast<std::uint16_t>(target));
  game_.app.displayWhatNow();
}

}  // namespace mordavel
