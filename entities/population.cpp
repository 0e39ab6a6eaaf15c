// The castle's first population, the same at the start of every game.
#include "app/game.h"
#include "entities/entity_mgr.h"

namespace mordavel {

int t_EntityMgr::Init() {
  NumEntities = 0;
  // The player's figure must be entity 1 and the dragon entity 2: the game
  // and the dragon's trigger refer to them by those numbers.
  addEntity(0, "Player", 1, 6, 0, "You are eager and ready to discover.", "floor", 18, 18, 18,
            0, 0, 1, 1);
  addEntity(0, "Earth Dragon", 5, 17, 0, "It looks devastating and smells of sulfur.", "floor",
            18, 18, 18, 0, 0, 2, 2);
  addEntity(0, "small bottle", 6, 14, 0,
            "It is a small bottle containing some type of liquid. The bottle is corked.", "floor",
            0, 0, 0, 1, 1, 0, 0);
  CreateEntityByObjectType(9, 6, "ground", 0, 0, 0);
  CreateEntityByObjectType(10, 12, "floor", 0, 0, 0);
  CreateEntityByObjectType(11, 4, "ground", 0, 0, 0);
  const std::int32_t food = CreateEntityByObjectType(8, 7, "table", 0, 0, 0);
  game_.inventory.addInventory(food, 8, 9);
  CreateEntityByObjectType(12, 8, "floor", 0, 0, 0);
  CreateEntityByObjectType(13, 8, "floor", 0, 0, 0);
  return 0;
}

int t_EntityMgr::Reset() {
  entities_.clear();
  return Init();
}

std::int32_t t_EntityMgr::CreateEntityByObjectType(std::int32_t objectType, std::int32_t roomNum,
                                                   const std::string& location,
                                                   std::uint8_t disableAfterUse,
                                                   std::int32_t teamID, std::int32_t ownerID) {
  const TObjectTypeData* type = game_.objectTypes.GetObjPtrByType(objectType);
  if (type == nullptr) return 0;  // no such kind of thing: nothing is made
  t_entity& e = addEntityEmpty(0);
  e.name = type->name;
  e.category = static_cast<std::uint8_t>(type->category);
  e.objectType = static_cast<std::uint8_t>(objectType);
  e.roomNum = static_cast<std::uint16_t>(roomNum);
  e.canTake = type->canTake;
  e.desc = type->description;
  e.location = location;
  e.hp = type->hp;
  e.dexterity = static_cast<std::uint16_t>(type->dexterity);
  e.strength = static_cast<std::uint16_t>(type->strength);
  e.perception = static_cast<std::uint16_t>(type->perception);
  e.isUsable = type->isUsable;
  e.disableAfterUse = disableAfterUse;
  e.teamID = teamID;
  e.ownerID = ownerID;
  e.isEnabled = 1;
  e.isDead = 0;
  game_.inventory.addInventory(e.id, objectType, 1);
  return e.id;
}

}  // namespace mordavel
