#include "catalogue/object_type_mgr.h"

#include "app/game.h"
#include "catalogue/names.h"

namespace mordavel {

namespace {
TObjectTypeData type(std::int32_t id, std::string name, std::int32_t category, std::int32_t hp,
                     std::int32_t dexterity, std::int32_t strength, std::int32_t perception,
                     std::int32_t cost, std::uint8_t canTake, std::uint8_t isUsable,
                     std::string description) {
  TObjectTypeData t;
  t.id = id;
  t.name = std::move(name);
  t.category = category;
  t.hp = hp;
  t.dexterity = dexterity;
  t.strength = strength;
  t.perception = perception;
  t.cost = cost;
  t.canTake = canTake;
  t.isUsable = isUsable;
  t.description = std::move(description);
  return t;
}
}  // namespace

TObjectTypeMgr::TObjectTypeMgr(Game& game) : game_(game) {
  using namespace category;
  // id, name, category, hp, dexterity, strength, perception, cost, can take, usable.
  AddObjectType(type(1, "Wanderer", Wanderer, 6, 18, 18, 18, 0, 0, 0,
                     "You are eager and ready to discover."));
  AddObjectType(type(2, "Ferocious werewolf", Monster, 6, 24, 20, 18, 0, 0, 0,
                     "A werewolf three metres tall stands before you on two feet, covered in "
                     "fur, with talon-clawed hands and a short, wolf-like muzzle. It is as "
                     "intelligent as a human and as cunning and ferocious as a wolf. It is a "
                     "ferocious enemy."));
  AddObjectType(type(3, "Fanatical fleshgorger", Monster, 6, 14, 12, 12, 0, 0, 0,
                     "It is a large beast covered in spikes and red-and-black scales. It is "
                     "known for its awe-inspiring roar and its fierce bite."));
  AddObjectType(type(4, "Maloventy maldemer", Monster, 6, 12, 15, 6, 0, 0, 0,
                     "It is a maldemer four metres long, smaller than the usual sea serpent but "
                     "by no means to be underestimated. "));
  AddObjectType(type(5, "Devastating Earth-Dragon", Monster, 6, 31, 24, 18, 0, 0, 0,
                     "It looks devastating and smells of sulfur."));
  AddObjectType(type(6, "Elixir", Elixir, 1, 0, 0, 0, 0, 1, 1,
                     "It is a small bottle containing some type of liquid. The bottle is "
                     "corked."));
  AddObjectType(type(7, "Treasure", category::Treasure, 1, 0, 0, 0, 0, 1, 1, "It is treasure."));
  AddObjectType(type(8, "Food", Food, 0, 0, 0, 0, 0, 1, 0,
                     "It is food. You can gain one wound level for each food you possess."));
  AddObjectType(type(9, "Sword", Weapon, 0, 8, 1, 0, 2, 1, 0,
                     "It is a short sword. Damage rating is 1D+2."));
  AddObjectType(type(10, "Axe", Weapon, 0, 12, 1, 0, 3, 1, 0,
                     "It is an axe. Damage rating is 2D."));
  AddObjectType(type(11, "Fur cloak", Armour, 5, 1, 6, 0, 5, 1, 0,
                     "It is a fur cloak. Defense value of +2."));
  AddObjectType(type(12, "sack of flour", Food, 0, 0, 0, 0, 0, 0, 0,
                     "It is a sack of flour. As you examine it, you find treasure. Then the sack "
                     "disappears!"));
  AddObjectType(type(13, "sack of potatoes", Food, 0, 0, 0, 0, 0, 0, 0,
                     "It looks like an ordinary sack of potatoes. But as you come closer, a "
                     "scratching sound comes from inside the sack. Then all of a sudden the sack "
                     "vanishes, and a creature stands in its place!"));
}

int TObjectTypeMgr::AddObjectType(const TObjectTypeData& t) {
  types_.push_back(t);
  return 0;
}

const TObjectTypeData* TObjectTypeMgr::GetObjPtrByType(std::int32_t id) const {
  for (const auto& t : types_)
    if (t.id == id) return &t;
  return nullptr;
}

std::int32_t TObjectTypeMgr::GetHP(std::int32_t id) const {
  const auto* t = GetObjPtrByType(id);
  return t ? t->hp : 0;
}

std::string TObjectTypeMgr::GetName(std::int32_t id) const {
  const auto* t = GetObjPtrByType(id);
  return t ? t->name : "none";
}

std::int32_t TObjectTypeMgr::GetCategoryByID(std::int32_t id) const {
  const auto* t = GetObjPtrByType(id);
  return t ? t->category : 0;
}

std::int32_t TObjectTypeMgr::GetObjectTypeIDByName(const std::string& name) const {
  for (const auto& t : types_)
    if (sameNameIgnoringCase(t.name, name)) return t.id;
  return 0;
}

std::int32_t TObjectTypeMgr::GetCostByID(std::int32_t id) const {
  const auto* t = GetObjPtrByType(id);
  return t ? t->cost : 0;
}

std::int32_t TObjectTypeMgr::GetDexterityByID(std::int32_t id) const {
  const auto* t = GetObjPtrByType(id);
  return t ? t->dexterity : 0;
}

std::int32_t TObjectTypeMgr::GetStrengthByID(std::int32_t id) const {
  const auto* t = GetObjPtrByType(id);
  return t ? t->strength : 0;
}

std::int32_t TObjectTypeMgr::RndTreasureType(std::int32_t category, std::int32_t) {
  return randomOfCategory(category);
}

std::int32_t TObjectTypeMgr::RndMonsterType(std::int32_t category, std::int32_t) {
  return randomOfCategory(category);
}

std::int32_t TObjectTypeMgr::randomOfCategory(std::int32_t category) {
  std::vector<std::int32_t> candidates;
  for (const auto& t : types_)
    if (t.category == category) candidates.push_back(t.id);
  if (candidates.empty()) return 0;
  // One draw from 1 to the number of candidates, whatever their number.
  const int r = game_.Rand(1, static_cast<int>(candidates.size()));
  return candidates[static_cast<std::size_t>(r - 1)];
}

}  // namespace mordavel
