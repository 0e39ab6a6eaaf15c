#include "holdings/inventory_mgr.h"

#include "app/game.h"

namespace mordavel {

TInventoryMgr::TInventoryMgr(Game& game) : game_(game) { Init(); }

int TInventoryMgr::Init() {
  NumInvItems = 0;
  // The player sets out with ten units of food.
  addInventory(1, game_.objectTypes.GetObjectTypeIDByName("food"), 10);
  return 0;
}

int TInventoryMgr::Reset() {
  lines_.clear();
  NumInvItems = 0;
  return Init();
}

std::uint8_t TInventoryMgr::addInventory(std::int32_t EntityID, std::int32_t itemID,
                                         std::int32_t qty) {
  for (t_inventory& line : lines_) {
    if (line.EntityID == EntityID && line.itemID == itemID) {
      line.qty += qty;
      return 1;
    }
  }
  ++NumInvItems;
  lines_.push_back(t_inventory{NumInvItems, EntityID, itemID, qty});
  return 1;
}

std::uint8_t TInventoryMgr::ConsumeItmByEntityIDandItemID(std::int32_t EntityID,
                                                          std::int32_t itemID) {
  for (auto it = lines_.begin(); it != lines_.end(); ++it) {
    if (it->EntityID != EntityID || it->itemID != itemID) continue;
    if (it->qty <= 0) return 0;
    if (--it->qty == 0) lines_.erase(it);
    return 1;
  }
  return 0;
}

std::int32_t TInventoryMgr::GetQtyByEntityIDAndItemID(std::int32_t EntityID,
                                                      std::int32_t itemID) const {
  for (const t_inventory& line : lines_)
    if (line.EntityID == EntityID && line.itemID == itemID) return line.qty;
  return 0;
}

int TInventoryMgr::ShowInventory(std::int32_t EntityID) {
  std::string text = "Items in Inventory for " + game_.entities.GetName(EntityID) + ":\n";
  bool any = false;
  for (const t_inventory& line : lines_) {
    if (line.EntityID != EntityID) continue;
    any = true;
    text += "  ";
    if (line.qty > 1) text += std::to_string(line.qty) + " ";
    text += game_.objectTypes.GetName(line.itemID) + "\n";
  }
  if (!any) text += "  Inventory is empty.\n";
  game_.say(text + "\n");
  return 0;
}

std::int32_t TInventoryMgr::CalcScorePoints(std::int32_t EntityID) const {
  const auto& types = game_.objectTypes;
  std::int32_t points = 0;
  for (const t_inventory& line : lines_) {
    if (line.EntityID != EntityID) continue;
    if (line.itemID == 7) {
      points += 2 * line.qty;  // a gold piece of treasure
    } else if (line.itemID == 8) {
      points += line.qty;  // a unit of food
    } else {
      // Any other kind of thing counts once, however many are held.
      points += 10 * types.GetCostByID(line.itemID) + 5 * types.GetDexterityByID(line.itemID) +
                5 * types.GetStrengthByID(line.itemID);
    }
  }
  return points;
}

}  // namespace mordavel
