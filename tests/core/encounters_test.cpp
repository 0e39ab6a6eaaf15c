// The elixir, eating, and the treasure and monsters that turn up at random.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/recording_platform.h"
#include "support/fighters.h"

namespace mordavel::testing {
namespace {

using Requests = std::vector<std::pair<int, int>>;
constexpr std::int32_t kBottle = 3;  // the small bottle of elixir in the Master Chamber
constexpr std::int32_t kTreasure = 7;

TEST(DrinkingElixir, DrinkingLiftsTheLevelOnceOnly) {
  struct Case {
    int hpBefore, hpAfter;
    const char* named;
  };
  for (const Case& c : {Case{6, 7, "not wounded"}, Case{4, 5, "stunned"}}) {
    SCOPED_TRACE(c.hpBefore);
    TestGame t;
    Game& g = t.g();
    g.entities.GetEntityPtr(1)->hp = c.hpBefore;
    t.platform.takeNewStory();

    EXPECT_EQ(g.entities.UseItem(kBottle), 0);
    EXPECT_EQ(t.platform.takeNewStory(),
              std::string("\nIt's an Elixir, so you drink it. You gain 1 wound points. Your wound "
                          "level is ") +
                  c.named + ".\n\n");
    EXPECT_EQ(g.entities.GetHPByID(1), c.hpAfter);

    g.entities.UseItem(kBottle);
    EXPECT_EQ(t.platform.takeNewStory(), "");
    EXPECT_EQ(g.entities.GetHPByID(1), c.hpAfter);
  }
}

class Eating : public ::testing::Test {
 protected:
  Game& g() { return t.g(); }
  TestGame t;
};

TEST_F(Eating, TheUnhurtDeclineToEat) {
  t.platform.takeNewStory();
  EXPECT_EQ(g().entities.ConsumeFood(1), 0);
  EXPECT_EQ(t.platform.takeNewStory(),
            "Although the food appears appetizing, you are not wounded or fatigued, so you "
            "decide not to eat any food.\n\n");
  EXPECT_EQ(g().inventory.GetQtyByEntityIDAndItemID(1, kFood), 10);
  EXPECT_EQ(g().entities.GetHPByID(1), 6);
}

TEST_F(Eating, TheLastUnitIsEatenThenThereIsNone) {
  g().entities.GetEntityPtr(1)->hp = 3;
  setFood(g(), 1, 1);
  t.platform.takeNewStory();

  EXPECT_EQ(g().entities.ConsumeFood(1), 1);
  EXPECT_EQ(t.platform.takeNewStory(),
            "You had 1 units of food to consume. After consuming 1 unit, you now have 0 units "
            "of food remaining. Your wound level is now wounded.\n\n");
  EXPECT_EQ(g().entities.GetHPByID(1), 4);
  EXPECT_FALSE(holdsFoodLine(g(), 1));

  EXPECT_EQ(g().entities.ConsumeFood(1), 0);
  EXPECT_EQ(t.platform.takeNewStory(), "Unfortunately, you have no food to consume.\n\n");
  EXPECT_EQ(g().entities.GetHPByID(1), 4);
}

class RandomTreasure : public ::testing::Test {
 protected:
  Game& g() { return t.g(); }
  TestGame t;  // the player stands in room 6
};

TEST_F(RandomTreasure, WorthFollowsItsBand) {
  struct Case {
    int band, inner;
    std::pair<int, int> innerBounds;
    int worth;
  };
  const Case cases[] = {
      {1, 1, {1, 6}, 10},    {29, 6, {1, 6}, 60},    {30, 1, {1, 8}, 10},
      {52, 8, {1, 8}, 80},   {53, 2, {2, 16}, 20},   {95, 16, {2, 16}, 160},
      {96, 1, {1, 4}, 100},  {100, 4, {1, 4}, 400},
  };
  t.chance.clock = 31337;
  for (const Case& c : cases) {
    SCOPED_TRACE("band draw " + std::to_string(c.band));
    t.chance.requests.clear();
    t.chance.seeds.clear();
    t.platform.takeNewStory();
    t.chance.then({c.band, c.inner, 1});  // the last picks among the treasure types
    const std::int32_t heap = g().entities.RndTreasureEntity(4, 1);
    EXPECT_EQ(t.platform.takeNewStory(),
              "Treasure appears worth " + std::to_string(c.worth) + " gold pieces!\n\n");
    EXPECT_EQ(t.chance.requests, (Requests{{1, 100}, c.innerBounds, {1, 1}}));
    EXPECT_EQ(t.chance.seeds, std::vector<std::uint32_t>{31337});
    EXPECT_EQ(g().inventory.GetQtyByEntityIDAndItemID(heap, kTreasure), c.worth);
  }
}

TEST_F(RandomTreasure, AHeapGivesTheTakerTheWorthItAnnounced) {
  t.platform.takeNewStory();
  t.chance.then({53, 7, 1});
  const std::int32_t heap = g().entities.RndTreasureEntity(4, 1);
  EXPECT_EQ(t.platform.takeNewStory(), "Treasure appears worth 70 gold pieces!\n\n");

  const t_entity& e = *g().entities.GetEntityPtr(heap);
  EXPECT_EQ(e.name, "Treasure");
  EXPECT_EQ(e.objectType, kTreasure);
  EXPECT_EQ(e.desc, "It is Treasure worth 70 gold pieces");
  EXPECT_EQ(e.location, "Floor");
  EXPECT_EQ(e.roomNum, 6);
  EXPECT_EQ(e.canTake, 1);
  EXPECT_EQ(e.isUsable, 0);
  EXPECT_EQ(e.disableAfterUse, 1);
  EXPECT_EQ(e.teamID, 0);
  EXPECT_EQ(e.ownerID, 0);
  EXPECT_EQ(e.hp, 6);

  g().window.UpdateHints();
  ASSERT_EQ(g().inventory.GetQtyByEntityIDAndItemID(1, kTreasure), 0);
  t.platform.press("Take Treasure");
  EXPECT_EQ(g().inventory.GetQtyByEntityIDAndItemID(1, kTreasure), 70);
}

class RandomMonster : public ::testing::Test {
 protected:
  Game& g() { return t.g(); }
  TestGame t;
};

TEST_F(RandomMonster, AnyOfTheFourTypesAppearsWithFistsOnTheMonstersSide) {
  struct Case {
    int typeDraw;
    std::int32_t type;
    const char* name;
    std::pair<int, int> perceptionBounds;
  };
  const Case cases[] = {
      {1, 2, "Ferocious werewolf", {3, 18}},
      {2, 3, "Fanatical fleshgorger", {2, 12}},
      {3, 4, "Maloventy maldemer", {1, 6}},
      {4, 5, "Devastating Earth-Dragon", {3, 18}},
  };
  g().app.currentRm = 12;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    t.chance.requests.clear();
    t.chance.seeds.clear();
    t.platform.takeNewStory();
    // The monster's lowest roll against the player's highest: it stays unaware.
    t.chance.then({c.typeDraw, c.perceptionBounds.first, 18});
    const std::int32_t id = g().entities.RndMonsterEnemy(8, 1);
    EXPECT_EQ(t.platform.takeNewStory(), std::string("A ") + c.name + " appears!\n\n");
    EXPECT_EQ(t.chance.requests, (Requests{{1, 4}, c.perceptionBounds, {3, 18}}));
    EXPECT_TRUE(t.chance.seeds.empty()) << "meeting a monster does not re-seed";

    const t_entity* e = g().entities.GetEntityPtr(id);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->name, c.name);
    EXPECT_EQ(e->objectType, c.type);
    EXPECT_EQ(e->weapon1ID, 1);
    EXPECT_EQ(e->armor1ID, 0);
    EXPECT_EQ(e->teamID, 2);
    EXPECT_EQ(e->ownerID, 2);
    EXPECT_EQ(e->location, "ground");
    EXPECT_EQ(e->roomNum, 12);
    EXPECT_EQ(e->disableAfterUse, 0);
    EXPECT_EQ(e->isAlerted, 0);
    EXPECT_EQ(g().inventory.GetQtyByEntityIDAndItemID(id, c.type), 1);
  }
}

TEST_F(RandomMonster, NoticesThePlayerUnlessItsRollIsLower) {
  struct Case {
    int monsterRoll, playerRoll;
    std::uint8_t alerted;
  };
  for (const Case& c : {Case{9, 9, 1}, Case{8, 9, 0}, Case{10, 9, 1}}) {
    SCOPED_TRACE(std::to_string(c.monsterRoll) + " against " + std::to_string(c.playerRoll));
    t.chance.then({1, c.monsterRoll, c.playerRoll});  // a werewolf, perception 18
    const std::int32_t id = g().entities.RndMonsterEnemy(8, 1);
    EXPECT_EQ(g().entities.GetEntityPtr(id)->isAlerted, c.alerted);
  }
}

}  // namespace
}  // namespace mordavel::testing
