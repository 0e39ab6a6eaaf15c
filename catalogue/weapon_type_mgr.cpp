#include "catalogue/weapon_type_mgr.h"

#include "catalogue/names.h"

namespace mordavel {

TWeaponTypeMgr::TWeaponTypeMgr() {
  AddWeaponType(0, 3, "Fists", 6, 0);
  AddWeaponType(0, 3, "Sword", 8, 1);
  AddWeaponType(0, 3, "Axe", 12, 2);
}

int TWeaponTypeMgr::AddWeaponType(std::int32_t id, std::int32_t objType, const std::string& name,
                                  std::int32_t damage, std::int32_t price) {
  ++NumWeaponTypes;
  types_.push_back(TWeaponTypeData{id != 0 ? id : NumWeaponTypes, objType, name, damage, price});
  return 0;
}

namespace {
auto byId(std::int32_t id) {
  return [id](const TWeaponTypeData& t) { return t.id == id; };
}
auto byName(const std::string& name) {
  return [&name](const TWeaponTypeData& t) { return sameNameIgnoringCase(t.name, name); };
}
}  // namespace

std::int32_t TWeaponTypeMgr::GetWeaponDamageByID(std::int32_t id) const {
  return lastMatch(types_, byId(id), &TWeaponTypeData::damage, 0);
}

// The one lookup by name where case counts: "sword" is not the Sword.
std::int32_t TWeaponTypeMgr::GetWeaponDamageByName(const std::string& name) const {
  return lastMatch(
      types_, [&name](const TWeaponTypeData& t) { return t.name == name; },
      &TWeaponTypeData::damage, 0);
}

std::int32_t TWeaponTypeMgr::GetWeaponIDByName(const std::string& name) const {
  return lastMatch(types_, byName(name), &TWeaponTypeData::id, 0);
}

std::string TWeaponTypeMgr::GetWeaponNameByID(std::int32_t id) const {
  return lastMatch(types_, byId(id), &TWeaponTypeData::name, std::string("none"));
}

}  // namespace mordavel
