// What each armour is worth against a blow.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace mordavel {

struct TArmorTypeData {
  std::int32_t id = 0;
  std::int32_t objType = 0;
  std::string name;
  std::int32_t defValue = 0;  // taken off the damage drawn against the wearer
  std::int32_t price = 0;
};

// Lookups answer from the last matching record.
class TArmorTypeMgr {
 public:
  TArmorTypeMgr();

  int AddArmorType(std::int32_t id, std::int32_t objType, const std::string& name,
                   std::int32_t defValue, std::int32_t price);
  std::int32_t GetArmorValueByID(std::int32_t id) const;
  std::int32_t GetArmorValueByName(const std::string& name) const;
  std::int32_t GetArmorIDByName(const std::string& name) const;
  std::string GetArmorNameByID(std::int32_t id) const;

  const std::vector<TArmorTypeData>& types() const { return types_; }
  std::int32_t NumArmorTypes = 0;

 private:
  std::vector<TArmorTypeData> types_;
};

}  // namespace mordavel
