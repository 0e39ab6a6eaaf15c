// What every entity holds: lines of (holder, object type, quantity).
#pragma once

#include <cstdint>
#include <list>
#include <string>

namespace mordavel {

class Game;

struct t_inventory {
  std::int32_t id = 0;
  std::int32_t EntityID = 0;
  std::int32_t itemID = 0;
  std::int32_t qty = 0;
};

class TInventoryMgr {
 public:
  explicit TInventoryMgr(Game& game);

  int Init();
  int Reset();
  std::uint8_t addInventory(std::int32_t EntityID, std::int32_t itemID, std::int32_t qty);
  std::uint8_t ConsumeItmByEntityIDandItemID(std::int32_t EntityID, std::int32_t itemID);
  std::int32_t GetQtyByEntityIDAndItemID(std::int32_t EntityID, std::int32_t itemID) const;
  int ShowInventory(std::int32_t EntityID);
  std::int32_t CalcScorePoints(std::int32_t EntityID) const;

  const std::list<t_inventory>& lines() const { return lines_; }
  std::int32_t NumInvItems = 0;

 private:
  Game& game_;
  std::list<t_inventory> lines_;
};

}  // namespace mordavel
