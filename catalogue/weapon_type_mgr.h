// What each weapon does in a fight.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace mordavel {

struct TWeaponTypeData {
  std::int32_t id = 0;
  std::int32_t objType = 0;
  std::string name;
  std::int32_t damage = 0;  // the highest value of the damage draw
  std::int32_t price = 0;
};

// Lookups answer from the last matching record.
class TWeaponTypeMgr {
 public:
  TWeaponTypeMgr();

  int AddWeaponType(std::int32_t id, std::int32_t objType, const std::string& name,
                    std::int32_t damage, std::int32_t price);
  std::int32_t GetWeaponDamageByID(std::int32_t id) const;
  std::int32_t GetWeaponDamageByName(const std::string& name) const;  // case counts
  std::int32_t GetWeaponIDByName(const std::string& name) const;
  std::string GetWeaponNameByID(std::int32_t id) const;

  const std::vector<TWeaponTypeData>& types() const { return types_; }
  std::int32_t NumWeaponTypes = 0;

 private:
  std::vector<TWeaponTypeData> types_;
};

}  // namespace mordavel
