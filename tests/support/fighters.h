// Small set-ups shared by the combat, encounter and survival tests.
#pragma once

#include <cstdint>
#include <string>

#include "app/game.h"

namespace mordavel::testing {

// A combatant made to measure: wound level 6, the given attributes, and
// optionally a weapon and an armour from the catalogues.
inline std::int32_t addFighter(Game& g, const std::string& name, std::int32_t room,
                               std::int32_t dexterity, std::int32_t strength,
                               std::int32_t team = 2, std::int32_t owner = 2,
                               std::int32_t weapon = 0, std::int32_t armour = 0) {
  const std::int32_t id = g.entities.addEntity(0, name, 2, room, 0, "", "floor", dexterity,
                                                strength, 18, 0, 0, team, owner);
  g.entities.SetWeapon1IDByID(id, weapon);
  g.entities.SetArmor1IDByID(id, armour);
  return id;
}

inline constexpr std::int32_t kFood = 8;

// Leaves the holder with exactly qty units of food (no line at all for 0).
inline void setFood(Game& g, std::int32_t holder, std::int32_t qty) {
  while (g.inventory.GetQtyByEntityIDAndItemID(holder, kFood) > 0)
    g.inventory.ConsumeItmByEntityIDandItemID(holder, kFood);
  if (qty > 0) g.inventory.addInventory(holder, kFood, qty);
}

inline bool holdsFoodLine(const Game& g, std::int32_t holder) {
  for (const auto& line : g.inventory.lines())
    if (line.EntityID == holder && line.itemID == kFood) return true;
  return false;
}

}  // namespace mordavel::testing

namespace mordavel::testing {

inline std::int32_t fragsOf(const Game& g, std::int32_t playerRecord) {
  for (const auto& p : g.players.players())
    if (p.id == playerRecord) return p.nFrags;
  return -1;
}

}  // namespace mordavel::testing
