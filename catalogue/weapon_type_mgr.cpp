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

// Every lookup walks the whole catalogue: the last match wins.
std::int32_t TWeaponTypeMgr::GetWeaponDamageByID(std::int32_t id) const {
  std::int32_t result = 0;
  for (const auto& t : types_)
    if (t.id == id) result = t.damage;
  return result;
}

std::int32_t TWeaponTypeMgr::GetWeaponDamageByName(const std::string& name) const {
  std::int32_t result = 0;
  for (const auto& t : types_)
    if (t.name == name) result = t.damage;
  return result;
}

std::int32_t TWeaponTypeMgr::GetWeaponIDByName(const std::string& name) const {
  std::int32_t result = 0;
  for (const auto& t : types_)
    if (sameNameIgnoringCase(t.name, name)) result = t.id;
  return result;
}

std::string TWeaponTypeMgr::GetWeaponNameByID(std::int32_t id) const {
  std::string result = "none";
  for (const auto& t : types_)
    if (t.id == id) result = t.name;
  return result;
}

}  // namespace mordavel
