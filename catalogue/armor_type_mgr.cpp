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

namespace {
auto byId(std::int32_t id) {
  return [id](const TArmorTypeData& t) { return t.id == id; };
}
// The cloak lies in the castle as "Fur cloak" and is catalogued as "fur cloak".
auto byName(const std::string& name) {
  return [&name](const TArmorTypeData& t) { return sameNameIgnoringCase(t.name, name); };
}
}  // namespace

std::int32_t TArmorTypeMgr::GetArmorValueByID(std::int32_t id) const {
  return lastMatch(types_, byId(id), &TArmorTypeData::defValue, 0);
}

std::int32_t TArmorTypeMgr::GetArmorValueByName(const std::string& name) const {
  return lastMatch(types_, byName(name), &TArmorTypeData::defValue, 0);
}

std::int32_t TArmorTypeMgr::GetArmorIDByName(const std::string& name) const {
  return lastMatch(types_, byName(name), &TArmorTypeData::id, 0);
}

std::string TArmorTypeMgr::GetArmorNameByID(std::int32_t id) const {
  return lastMatch(types_, byId(id), &TArmorTypeData::name, std::string("none"));
}

}  // namespace mordavel
