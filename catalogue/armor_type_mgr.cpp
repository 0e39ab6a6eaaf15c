#include "catalogue/armor_type_mgr.h"

#include "catalogue/names.h"

namespace mordavel {

TArmorTypeMgr::TArmorTypeMgr() { AddArmorType(0, 2, "fur cloak", 2, 5); }

int TArmorTypeMgr::AddArmorType(std::int32_t id, std::int32_t objType, const std::string& name,
                                std::int32_t defValue, std::int32_t price) {
  ++NumArmorTypes;
  types_.push_back(TArmorTypeData{id != 0 ? id : NumArmorTypes, objType, name, defValue, price});
  return 0;
}

// Every lookup walks the whole catalogue: the last match wins.
std::int32_t TArmorTypeMgr::GetArmorValueByID(std::int32_t id) const {
  std::int32_t result = 0;
  for (const auto& t : types_)
    if (t.id == id) result = t.defValue;
  return result;
}

std::int32_t TArmorTypeMgr::GetArmorValueByName(const std::string& name) const {
  std::int32_t result = 0;
  for (const auto& t : types_)
    if (sameNameIgnoringCase(t.name, name)) result = t.defValue;
  return result;
}

std::int32_t TArmorTypeMgr::GetArmorIDByName(const std::string& name) const {
  std::int32_t result = 0;
  for (const auto& t : types_)
    if (sameNameIgnoringCase(t.name, name)) result = t.id;
  return result;
}

std::string TArmorTypeMgr::GetArmorNameByID(std::int32_t id) const {
  std::string result = "none";
  for (const auto& t : types_)
    if (t.id == id) result = t.name;
  return result;
}

}  // namespace mordavel
