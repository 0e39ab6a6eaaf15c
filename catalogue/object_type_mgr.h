// The catalogue of the thirteen kinds of things in the castle.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace mordavel {

class Game;

struct TObjectTypeData {
  std::int32_t id = 0;
  std::string name;
  std::string description;
  std::int32_t category = 0;
  std::int32_t cost = 0;
  std::int32_t hp = 0;
  std::int32_t dexterity = 0;
  std::int32_t strength = 0;
  std::int32_t perception = 0;
  std::uint8_t canTake = 0;
  std::uint8_t isUsable = 0;
};

// Object categories.
namespace category {
constexpr std::int32_t Wanderer = 1;
constexpr std::int32_t Armour = 2;
constexpr std::int32_t Weapon = 3;
constexpr std::int32_t Treasure = 4;
constexpr std::int32_t Elixir = 5;
constexpr std::int32_t Food = 7;
constexpr std::int32_t Monster = 8;
}  // namespace category

class TObjectTypeMgr {
 public:
  explicit TObjectTypeMgr(Game& game);  // New: builds the catalogue

  int AddObjectType(const TObjectTypeData& type);

  std::int32_t GetHP(std::int32_t id) const;
  std::string GetName(std::int32_t id) const;
  const TObjectTypeData* GetObjPtrByType(std::int32_t id) const;
  std::int32_t GetCategoryByID(std::int32_t id) const;
  std::int32_t GetObjectTypeIDByName(const std::string& name) const;
  std::int32_t GetCostByID(std::int32_t id) const;
  std::int32_t GetDexterityByID(std::int32_t id) const;
  std::int32_t GetStrengthByID(std::int32_t id) const;
  // A type of the category drawn uniformly among all of them; 0 when the
  // category has none. The second argument is not used.
  std::int32_t RndTreasureType(std::int32_t category, std::int32_t unused = 1);
  std::int32_t RndMonsterType(std::int32_t category, std::int32_t unused = 1);

  const std::vector<TObjectTypeData>& types() const { return types_; }

 private:
  std::int32_t randomOfCategory(std::int32_t category);
  Game& game_;
  std::vector<TObjectTypeData> types_;
};

}  // namespace mordavel
