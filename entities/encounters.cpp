// The elixir, eating, and the treasure and monsters that turn up at random.
#include "app/game.h"
#include "app/wound_levels.h"
#include "entities/entity_mgr.h"

namespace mordavel {

int t_EntityMgr::UseItem(std::int32_t id) {
  t_entity* item = GetEntityPtr(id);
  const std::int32_t elixir = game_.objectTypes.GetObjectTypeIDByName("elixir");
  if (item == nullptr || item->objectType != elixir || item->isEnabled != 1) return 0;
  const std::int32_t gain = game_.objectTypes.GetHP(item->objectType);
  const std::int32_t me = game_.app.localPlayerID;
  // Whoever holds the bottle, it is the player who drinks.
  AddHP(me, gain);
  game_.say("\nIt's an " + game_.objectTypes.GetName(item->objectType) +
            ", so you drink it. You gain " + std::to_string(gain) +
            " wound points. Your wound level is " + woundLevelName(GetHPByID(me)) + ".\n\n");
  if (item->disableAfterUse == 1) item->isEnabled = 0;
  game_.window.UpdateHints();
  return 0;
}

std::uint8_t t_EntityMgr::ConsumeFood(std::int32_t id) {
  auto& inventory = game_.inventory;
  const std::int32_t food = game_.objectTypes.GetObjectTypeIDByName("food");
  const std::int32_t qty = inventory.GetQtyByEntityIDAndItemID(id, food);
  const std::int32_t level = GetHPByID(id);
  if (qty <= 0) {
    game_.say("Unfortunately, you have no food to consume.\n\n");
    return 0;
  }
  if (level >= 6) {
    game_.say("Although the food appears appetizing, you are not wounded or fatigued, so you "
              "decide not to eat any food.\n\n");
    return 0;
  }
  std::string text = "You had " + std::to_string(qty) + " units of food to consume. ";
  inventory.ConsumeItmByEntityIDandItemID(id, food);
  text += "After consuming 1 unit, you now have " +
          std::to_string(inventory.GetQtyByEntityIDAndItemID(id, food)) +
          " units of food remaining. ";
  AddHP(id, 1);
  text += "Your wound level is now " + woundLevelName(GetHPByID(id)) + ".\n\n";
  game_.say(text);
  return 1;
}

std::int32_t t_EntityMgr::RndTreasureEntity(std::int32_t category, std::int32_t bonus) {
  game_.chance.reseedFromClock();
  const int band = game_.Rand(1, 100);
  int worth;
  if (band <= 29)
    worth = game_.Rand(1, bonus + 5) * 10;
  else if (band <= 52)
    worth = game_.Rand(1, bonus + 7) * 10;
  else if (band <= 95)
    worth = game_.Rand(2, bonus + 15) * 10;
  else
    worth = game_.Rand(1, bonus + 3) * 100;

  const std::int32_t type = game_.objectTypes.RndTreasureType(category, 1);
  const std::string name = game_.objectTypes.GetName(type);
  const std::string gold = std::to_string(worth);
  game_.say(name + " appears worth " + gold + " gold pieces!\n\n");
  const std::int32_t heap =
      addEntity(0, name, type, game_.app.currentRm, 1,
                "It is " + name + " worth " + gold + " gold pieces", "Floor", 0, 0, 0, 0, 1, 0, 0);
  game_.inventory.addInventory(heap, type, worth);
  return heap;
}

std::int32_t t_EntityMgr::RndMonsterEnemy(std::int32_t category, std::int32_t) {
  const std::int32_t type = game_.objectTypes.RndMonsterType(category, 1);
  if (type == 0) return 0;  // the category holds no monster
  game_.say("A " + game_.objectTypes.GetName(type) + " appears!\n\n");
  const std::int32_t monster =
      CreateEntityByObjectType(type, game_.app.currentRm, "ground", 0, 2, 2);
  SetWeapon1IDByID(monster, game_.weapons.GetWeaponIDByName("Fists"));
  // Does it notice the player first? Ties go to the monster.
  const int m = GetPerception(monster);
  const int n = GetPerception(game_.app.localPlayerID);
  const int monsterRoll = game_.Rand(m / 6, m);
  const int playerRoll = game_.Rand(n / 6, n);
  if (monsterRoll >= playerRoll) setAlertness(monster, 1);
  return monster;
}

}  // namespace mordavel
