// What every entity holds, and the score it is worth at the end.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "support/recording_platform.h"

namespace mordavel {
namespace {

using testing::TestGame;

// (holder, type, quantity) of every line, in registry order.
std::vector<std::tuple<int, int, int>> linesOf(const TInventoryMgr& inventory) {
  std::vector<std::tuple<int, int, int>> out;
  for (const t_inventory& line : inventory.lines())
    out.emplace_back(line.EntityID, line.itemID, line.qty);
  return out;
}

int linesFor(const TInventoryMgr& inventory, int holder, int type) {
  int n = 0;
  for (const t_inventory& line : inventory.lines())
    if (line.EntityID == holder && line.itemID == type) ++n;
  return n;
}

// --- inventory ----------------------------------------------------------

TEST(Inventory, PlayerSetsOutWithTenFood) {
  TestGame t;
  auto& inv = t.g().inventory;
  EXPECT_EQ(inv.GetQtyByEntityIDAndItemID(1, 8), 10);
  t.platform.takeNewStory();
  EXPECT_EQ(inv.ShowInventory(1), 0);
  EXPECT_EQ(t.platform.takeNewStory(), "Items in Inventory for Player:\n  10 Food\n\n");
}

TEST(Inventory, ListingShowsNoNumberForOneOrNone) {
  TestGame t;
  auto& inv = t.g().inventory;
  inv.addInventory(1, 9, 1);   // Sword
  inv.addInventory(1, 10, 0);  // Axe, none of it
  inv.addInventory(1, 7, 120);
  inv.addInventory(1, 11, -2);  // Fur cloak, less than none
  t.platform.takeNewStory();
  const int appends = t.platform.appendCalls;
  inv.ShowInventory(1);
  EXPECT_EQ(t.platform.takeNewStory(),
            "Items in Inventory for Player:\n"
            "  10 Food\n"
            "  Sword\n"
            "  Axe\n"
            "  120 Treasure\n"
            "  Fur cloak\n"
            "\n");
  EXPECT_EQ(t.platform.appendCalls, appends + 1);  // one text, one append
}

TEST(Inventory, ListingOfAHolderWithNothing) {
  TestGame t;
  t.platform.takeNewStory();
  t.g().inventory.ShowInventory(2);
  EXPECT_EQ(t.platform.takeNewStory(),
            "Items in Inventory for Earth Dragon:\n  Inventory is empty.\n\n");
}

TEST(Inventory, ListingNamesAnUnknownTypeNone) {
  TestGame t;
  t.g().inventory.addInventory(3, 99, 2);
  t.platform.takeNewStory();
  t.g().inventory.ShowInventory(3);
  EXPECT_EQ(t.platform.takeNewStory(), "Items in Inventory for small bottle:\n  2 none\n\n");
}

TEST(Inventory, AddingMergesIntoTheHoldersLine) {
  TestGame t;
  auto& inv = t.g().inventory;
  const int numbered = inv.NumInvItems;
  EXPECT_EQ(inv.addInventory(1, 8, 5), 1);
  EXPECT_EQ(inv.GetQtyByEntityIDAndItemID(1, 8), 15);
  EXPECT_EQ(linesFor(inv, 1, 8), 1);
  EXPECT_EQ(inv.NumInvItems, numbered);

  // Another holder of the same type gets a line of its own, numbered next.
  EXPECT_EQ(inv.addInventory(2, 8, 3), 1);
  EXPECT_EQ(inv.GetQtyByEntityIDAndItemID(2, 8), 3);
  EXPECT_EQ(inv.GetQtyByEntityIDAndItemID(1, 8), 15);
  EXPECT_EQ(inv.NumInvItems, numbered + 1);
  EXPECT_EQ(inv.lines().back().id, numbered + 1);

  // Negative amounts are added like any other.
  EXPECT_EQ(inv.addInventory(1, 8, -4), 1);
  EXPECT_EQ(inv.GetQtyByEntityIDAndItemID(1, 8), 11);
}

TEST(Inventory, ConsumingTheLastUnitRemovesTheLine) {
  TestGame t;
  auto& inv = t.g().inventory;
  inv.addInventory(1, 9, 2);
  EXPECT_EQ(inv.ConsumeItmByEntityIDandItemID(1, 9), 1);
  EXPECT_EQ(inv.GetQtyByEntityIDAndItemID(1, 9), 1);
  EXPECT_EQ(linesFor(inv, 1, 9), 1);
  EXPECT_EQ(inv.ConsumeItmByEntityIDandItemID(1, 9), 1);
  EXPECT_EQ(linesFor(inv, 1, 9), 0);
  EXPECT_EQ(inv.GetQtyByEntityIDAndItemID(1, 9), 0);
  EXPECT_EQ(inv.ConsumeItmByEntityIDandItemID(1, 9), 0);
  t.platform.takeNewStory();
  inv.ShowInventory(1);
  EXPECT_EQ(t.platform.takeNewStory(), "Items in Inventory for Player:\n  10 Food\n\n");
}

TEST(Inventory, ConsumingFromAnEmptyLineLeavesIt) {
  TestGame t;
  auto& inv = t.g().inventory;
  inv.addInventory(1, 10, 0);
  inv.addInventory(2, 10, -1);
  const auto before = linesOf(inv);
  EXPECT_EQ(inv.ConsumeItmByEntityIDandItemID(1, 10), 0);
  EXPECT_EQ(inv.ConsumeItmByEntityIDandItemID(2, 10), 0);
  EXPECT_EQ(inv.ConsumeItmByEntityIDandItemID(1, 7), 0);  // no line at all
  EXPECT_EQ(linesOf(inv), before);
}

TEST(Inventory, ResetLeavesOnlyThePlayersFood) {
  TestGame t;
  auto& inv = t.g().inventory;
  inv.addInventory(1, 9, 1);
  inv.addInventory(1, 8, 7);
  inv.addInventory(5, 7, 40);
  EXPECT_EQ(inv.Reset(), 0);
  const std::vector<std::tuple<int, int, int>> onlyFood = {{1, 8, 10}};
  EXPECT_EQ(linesOf(inv), onlyFood);
  EXPECT_EQ(inv.NumInvItems, 1);
  EXPECT_EQ(inv.lines().front().id, 1);
}

// --- score --------------------------------------------------------------

TEST(Score, EachKindOfThingCountsOnceWhateverTheQuantity) {
  TestGame t;
  auto& inv = t.g().inventory;
  const struct {
    int type, qty, points;
  } cases[] = {
      {9, 1, 65},   {9, 3, 65},   {9, 0, 65},   {10, 1, 95},  {11, 1, 85},
      {6, 1, 0},    {7, 120, 240}, {7, 1, 2},   {8, 10, 10},  {8, 1, 1},
      {99, 1, 0},
  };
  int holder = 50;  // a fresh holder for every case
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.type) + " x" + std::to_string(c.qty));
    inv.addInventory(holder, c.type, c.qty);
    EXPECT_EQ(inv.CalcScorePoints(holder), c.points);
    ++holder;
  }
}

TEST(Score, FoodGoldSwordAndCloakMakeFourHundred) {
  TestGame t;
  auto& inv = t.g().inventory;
  inv.addInventory(1, 7, 120);
  inv.addInventory(1, 9, 1);
  inv.addInventory(1, 11, 1);
  inv.addInventory(4, 7, 500);  // someone else's gold does not count
  EXPECT_EQ(inv.CalcScorePoints(1), 400);
  EXPECT_EQ(inv.CalcScorePoints(2), 0);
}

TEST(Score, TwoKillsFoodGoldSwordAndAxeMakeFourHundredSeventy) {
  TestGame t;
  auto& inv = t.g().inventory;
  auto& players = t.g().players;
  inv.addInventory(1, 7, 120);
  inv.addInventory(1, 9, 1);
  inv.addInventory(1, 10, 1);
  EXPECT_EQ(players.AddFrag(1, 1), 1);
  EXPECT_EQ(players.AddFrag(1, 1), 1);
  EXPECT_EQ(players.GetScore(1), 0);
  EXPECT_EQ(players.CalcScores(), 0);
  EXPECT_EQ(players.GetScore(1), 470);
  EXPECT_EQ(players.GetScore(2), 0);  // the dragon holds nothing
}

TEST(Score, ComputerScoresThirtyPerKillAndNothingForHoldings) {
  TestGame t;
  auto& players = t.g().players;
  EXPECT_EQ(players.AddFrag(2, 1), 1);
  players.CalcScores();
  EXPECT_EQ(players.GetScore(2), 30);
  EXPECT_EQ(players.GetScore(1), 10);  // the player's ten food
}

TEST(Score, CalculatingTwiceAddsAgain) {
  TestGame t;
  auto& inv = t.g().inventory;
  auto& players = t.g().players;
  inv.addInventory(1, 7, 120);
  inv.addInventory(1, 9, 1);
  inv.addInventory(1, 10, 1);
  players.AddFrag(1, 2);
  players.CalcScores();
  players.CalcScores();
  EXPECT_EQ(players.GetScore(1), 940);
}

TEST(Players, UnknownIdsMatchNothing) {
  TestGame t;
  auto& players = t.g().players;
  EXPECT_EQ(players.GetScore(1), 0);
  EXPECT_EQ(players.GetScore(2), 0);
  EXPECT_EQ(players.GetScore(3), 0);
  EXPECT_EQ(players.AddFrag(3, 1), 0);
  EXPECT_EQ(players.AddFrag(0, 1), 0);
  EXPECT_EQ(players.AddScore(3, 5), 0);
  for (const TPlayer& p : players.players()) {
    EXPECT_EQ(p.nFrags, 0);
    EXPECT_EQ(p.score, 0);
  }
  EXPECT_EQ(players.AddScore(1, 5), 1);
  EXPECT_EQ(players.GetScore(1), 5);
}

TEST(Players, ResetLeavesTheTwoRecordsAfresh) {
  TestGame t;
  auto& players = t.g().players;
  players.AddFrag(1, 3);
  players.AddFrag(2, 1);
  players.AddPlayer(0, "Stranger", 3);
  players.CalcScores();
  EXPECT_EQ(players.Reset(), 0);
  ASSERT_EQ(players.players().size(), 2u);
  const struct {
    int id;
    const char* name;
    int team;
  } want[] = {{1, "Player", 1}, {2, "Computer", 2}};
  for (std::size_t i = 0; i < 2; ++i) {
    const TPlayer& p = players.players()[i];
    SCOPED_TRACE(want[i].name);
    EXPECT_EQ(p.id, want[i].id);
    EXPECT_EQ(p.name, want[i].name);
    EXPECT_EQ(p.teamID, want[i].team);
    EXPECT_EQ(p.nFrags, 0);
    EXPECT_EQ(p.score, 0);
  }
  EXPECT_EQ(players.NumPlayers, 2);
}

}  // namespace
}  // namespace mordavel
