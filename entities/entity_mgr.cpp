// The entity registry and the small operations on one entity by its id.
#include "entities/entity_mgr.h"

#include "app/game.h"

namespace mordavel {

t_EntityMgr::t_EntityMgr(Game& game) : game_(game) { Init(); }

std::int32_t t_EntityMgr::addEntity(std::int32_t id, const std::string& name,
                                    std::int32_t objectType, std::int32_t roomNum,
                                    std::uint8_t canTake, const std::string& desc,
                                    const std::string& location, std::int32_t dexterity,
                                    std::int32_t strength, std::int32_t perception,
                                    std::uint8_t isUsable, std::uint8_t disableAfterUse,
                                    std::int32_t teamID, std::int32_t ownerID) {
  t_entity& e = entities_.emplace_back();
  ++NumEntities;
  e.id = id != 0 ? id : NumEntities;
  e.name = name;
  e.objectType = static_cast<std::uint8_t>(objectType);
  e.category = static_cast<std::uint8_t>(game_.objectTypes.GetCategoryByID(objectType));
  e.roomNum = static_cast<std::uint16_t>(roomNum);
  e.hp = 6;  // every hand-made entity starts unhurt, whatever its type says
  e.canTake = canTake;
  e.desc = desc;
  e.location = location;
  e.dexterity = static_cast<std::uint16_t>(dexterity);
  e.strength = static_cast<std::uint16_t>(strength);
  e.perception = static_cast<std::uint16_t>(perception);
  e.isUsable = isUsable;
  e.disableAfterUse = disableAfterUse;
  e.isEnabled = 1;
  e.isDead = 0;
  e.teamID = teamID;
  e.ownerID = ownerID;
  return e.id;
}

t_entity& t_EntityMgr::addEntityEmpty(std::int32_t id) {
  t_entity& e = entities_.emplace_back();
  ++NumEntities;
  e.id = id != 0 ? id : NumEntities;
  e.isDead = 0;
  e.isEnabled = 1;
  return e;
}

t_entity* t_EntityMgr::GetEntityPtr(std::int32_t id) {
  for (t_entity& e : entities_)
    if (e.id == id) return &e;
  return nullptr;
}

std::int32_t t_EntityMgr::GetHPByID(std::int32_t id) { return valueOf(id, &t_entity::hp); }
std::string t_EntityMgr::GetName(std::int32_t id) { return valueOf(id, &t_entity::name); }
std::int32_t t_EntityMgr::GetTeamID(std::int32_t id) { return valueOf(id, &t_entity::teamID); }
std::int32_t t_EntityMgr::GetPerception(std::int32_t id) {
  return valueOf(id, &t_entity::perception);
}
std::uint16_t t_EntityMgr::GetObjectType(std::int32_t id) {
  return valueOf(id, &t_entity::objectType);
}
std::int32_t t_EntityMgr::GetCurrentWeaponByID(std::int32_t id) {
  return valueOf(id, &t_entity::weapon1ID);
}
std::int32_t t_EntityMgr::GetCurrentArmorByID(std::int32_t id) {
  return valueOf(id, &t_entity::armor1ID);
}

int t_EntityMgr::SetWeapon1IDByID(std::int32_t id, std::int32_t weaponType) {
  return setField(id, &t_entity::weapon1ID, weaponType);
}
int t_EntityMgr::SetArmor1IDByID(std::int32_t id, std::int32_t armorType) {
  return setField(id, &t_entity::armor1ID, armorType);
}
int t_EntityMgr::setAlertness(std::int32_t id, std::uint8_t flag) {
  return setField(id, &t_entity::isAlerted, flag);
}
int t_EntityMgr::setRoomNum(std::int32_t id, std::int32_t roomNum) {
  return setField(id, &t_entity::roomNum, roomNum);
}
int t_EntityMgr::SetDead(std::int32_t id, std::uint8_t flag) {
  return setField(id, &t_entity::isDead, flag);
}

// Wound levels are not clamped here; the rules that need a bound apply it.
int t_EntityMgr::AddHP(std::int32_t id, std::int32_t amount) {
  if (t_entity* e = GetEntityPtr(id)) e->hp += amount;
  return 0;
}
int t_EntityMgr::SubtractHP(std::int32_t id, std::int32_t amount) { return AddHP(id, -amount); }

}  // namespace mordavel
