// Looking at a thing, picking it up, and talking to someone.
#include "app/game.h"
#include "entities/entity_mgr.h"

namespace mordavel {

std::string t_EntityMgr::getObjectDesc(std::int32_t id) {
  const t_entity* e = GetEntityPtr(id);
  if (e == nullptr) return "";
  return "\n\nYou decide to examine the " + e->name + ".\n\n" + e->desc + "\n\n";
}

std::uint8_t t_EntityMgr::takeObject(std::int32_t id, std::int32_t roomNum,
                                     std::int32_t takerID) {
  t_entity* item = nullptr;
  for (t_entity& e : entities_)
    if (e.roomNum == roomNum && e.id == id && e.canTake == 1) item = &e;
  if (item == nullptr) return 0;

  item->roomNum = 0;
  auto& inventory = game_.inventory;
  inventory.addInventory(takerID, item->objectType,
                         inventory.GetQtyByEntityIDAndItemID(item->id, item->objectType));
  game_.say("\nYou took the " + item->name + ".\n\n");

  if (item->category == category::Weapon) {
    auto& weapons = game_.weapons;
    const std::int32_t current = weapons.GetWeaponDamageByID(GetCurrentWeaponByID(takerID));
    if (weapons.GetWeaponDamageByName(item->name) > current) {
      SetWeapon1IDByID(takerID, weapons.GetWeaponIDByName(item->name));
      game_.say("The " + item->name + " is now your primary weapon.\n\n");
    }
  }
  if (item->category == category::Armour) {
    auto& armors = game_.armors;
    const std::int32_t current = armors.GetArmorValueByID(GetCurrentArmorByID(takerID));
    if (armors.GetArmorValueByName(item->name) > current) {
      SetArmor1IDByID(takerID, armors.GetArmorIDByName(item->name));
      game_.say("The " + item->name + " is now your primary armory.\n\n");
    }
  }
  item->isEnabled = 0;
  item->isDead = 1;
  game_.window.UpdateHints();
  return 1;
}

int t_EntityMgr::AskEntity(std::int32_t id) {
  const t_entity* e = GetEntityPtr(id);
  if (e == nullptr) return 0;
  game_.say("\n\nYou decided to talk with the " + e->name + ".");
  if (id == 14) {
    game_.triggers.Activate(4);
    game_.app.displayWhatNow();
  }
  return 0;
}

}  // namespace mordavel
