// The badly hurt player rallies, eats, faints, worsens or dies; and every
// event clears away what has died or been taken.
#include <gtest/gtest.h>

#include <deque>
#include <string>

#include "app/main_app.h"
#include "support/recording_platform.h"
#include "support/fighters.h"

namespace mordavel::testing {
namespace {

const std::string kRally =
    "Your strength has enabled you to be alert before slipping into unconsciousness. ";
const std::string kNoFood = "Unfortunately, you have no food to consume.\n\n";
const std::string kSlipped =
    "Since you have no food to help regain strength, you have slipped into "
    "unconsciousness.\n\n";
const std::string kMortalFailure =
    "Your strength has failed you. You have died from your mortal wounds!\n\n";

std::string meal(int had, const std::string& levelName) {
  return "You had " + std::to_string(had) +
         " units of food to consume. After consuming 1 unit, you now have " +
         std::to_string(had - 1) + " units of food remaining. Your wound level is now " +
         levelName + ".\n\n";
}

std::string wokeWithoutFood(const std::string& levelName) {
  return "You were were conscious for a moment, but you did not have food to help you gain "
         "strength. As a result your health has worsened. You are now " +
         levelName + " and unconscious. ";
}

std::string worsenedWhileOut(const std::string& levelName) {
  return "You were already unconsious, so your health has worsened. You are now " + levelName +
         ". ";
}

class Survival : public ::testing::Test {
 protected:
  Game& g() { return t.g(); }
  t_entity& player() { return *g().entities.GetEntityPtr(1); }
  void putPlayer(int hp, int conscious, int food) {
    player().hp = hp;
    player().isEnabled = static_cast<std::uint8_t>(conscious);
    player().isAlerted = 0;
    player().isDead = 0;
    setFood(g(), 1, food);
    t.chance.requests.clear();
    t.platform.takeNewStory();
  }

  TestGame t;
};

TEST_F(Survival, EveryBranchOfThePassTellsItsOwnStory) {
  struct Case {
    const char* branch;
    int hp, conscious, food;
    std::deque<int> strengthDraws;
    std::string story;
    int hpAfter, consciousAfter, alertedAfter, deadAfter;
  };
  const Case cases[] = {
      {"rally and eat", 2, 0, 10, {8},
       "You are incapacitated. " + kRally + meal(10, "severely wounded"), 3, 1, 1, 0},
      {"rally without food while conscious", 2, 1, 0, {8, 7, 7},
       "You are incapacitated. " + kRally + kNoFood + kSlipped +
           "You are incapacitated. " + worsenedWhileOut("mortally wounded") +
           "You are mortally wounded. " + kMortalFailure,
       1, 0, 0, 1},
      {"rally without food while unconscious", 2, 0, 0, {8, 18},
       "You are incapacitated. " + kRally + kNoFood + wokeWithoutFood("mortally wounded") +
           "You are mortally wounded. " + kRally + kNoFood + wokeWithoutFood("dead"),
       0, 0, 0, 1},
      {"strength fails at mortally wounded, food or not", 1, 1, 10, {7},
       "You are mortally wounded. " + kMortalFailure, 1, 0, 0, 1},
      {"strength fails while conscious", 2, 1, 10, {7, 8},
       "You are incapacitated. Your strength has failed you. You are incapacitated and "
       "unconscious for a moment.\n\n"
       "You are incapacitated. " + kRally + meal(10, "severely wounded"),
       3, 1, 1, 0},
      {"strength fails while unconscious", 2, 0, 10, {3, 18, 8},
       "You are incapacitated. " + worsenedWhileOut("mortally wounded") +
           "You are mortally wounded. " + kRally + meal(10, "incapacitated") +
           "You are incapacitated. " + kRally + meal(9, "severely wounded"),
       3, 1, 1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.branch);
    putPlayer(c.hp, c.conscious, c.food);
    t.chance.script = c.strengthDraws;
    EXPECT_EQ(g().entities.DoSurvival(1), 0);
    EXPECT_EQ(t.platform.takeNewStory(), c.story);
    EXPECT_TRUE(t.chance.script.empty()) << "every pass draws once";
    for (const auto& request : t.chance.requests) EXPECT_EQ(request, std::make_pair(3, 18));
    EXPECT_EQ(player().hp, c.hpAfter);
    EXPECT_EQ(player().isEnabled, c.consciousAfter);
    EXPECT_EQ(player().isAlerted, c.alertedAfter);
    EXPECT_EQ(player().isDead, c.deadAfter);
    EXPECT_NE(g().entities.GetEntityPtr(1), nullptr) << "only marked, removed at the next event";
  }
}

// Each pass draws once; a pattern says which passes rally (bit set: 18) and
// which fail (bit clear: 7).
std::deque<int> strengthPattern(unsigned bits, int passes) {
  std::deque<int> draws;
  for (int i = 0; i < passes; ++i) draws.push_back((bits >> i) & 1u ? 18 : 7);
  return draws;
}

TEST_F(Survival, WithoutFoodDeathComesWithinThreePassesFromTwoAndTwoFromOne) {
  struct Start {
    int hp, mostPasses;
  };
  for (const Start& start : {Start{2, 3}, Start{1, 2}}) {
    for (int conscious : {1, 0}) {
      for (unsigned bits = 0; bits < 8; ++bits) {
        SCOPED_TRACE("level " + std::to_string(start.hp) + " conscious " +
                     std::to_string(conscious) + " pattern " + std::to_string(bits));
        putPlayer(start.hp, conscious, 0);
        t.chance.script = strengthPattern(bits, 3);
        g().entities.DoSurvival(1);
        EXPECT_EQ(player().isDead, 1);
        EXPECT_LE(t.chance.requests.size(), static_cast<std::size_t>(start.mostPasses));
      }
    }
  }
}

TEST_F(Survival, PassesEndWithTheFedPlayerSeverelyWoundedOrDead) {
  for (int hp : {1, 2}) {
    for (int conscious : {1, 0}) {
      for (unsigned bits = 0; bits < 256; ++bits) {
        SCOPED_TRACE("level " + std::to_string(hp) + " conscious " + std::to_string(conscious) +
                     " pattern " + std::to_string(bits));
        putPlayer(hp, conscious, 1);
        t.chance.script = strengthPattern(bits, 8);
        g().entities.DoSurvival(1);
        EXPECT_TRUE(player().hp >= 3 || player().isDead == 1) << "hp " << player().hp;
      }
    }
  }
}

TEST_F(Survival, StrengthZeroNeverRallies) {
  putPlayer(2, 1, 10);
  player().strength = 0;
  t.chance.script = {0, 0, 0};
  g().entities.DoSurvival(1);
  EXPECT_EQ(t.platform.takeNewStory(),
            "You are incapacitated. Your strength has failed you. You are incapacitated and "
            "unconscious for a moment.\n\n"
            "You are incapacitated. " +
                worsenedWhileOut("mortally wounded") + "You are mortally wounded. " +
                kMortalFailure);
  EXPECT_EQ(t.chance.requests, (std::vector<std::pair<int, int>>{{0, 0}, {0, 0}, {0, 0}}));
  EXPECT_EQ(g().inventory.GetQtyByEntityIDAndItemID(1, kFood), 10);
  EXPECT_EQ(player().isDead, 1);
}

TEST_F(Survival, LeavesTheLightlyHurtTheDeadAndEveryoneElseAlone) {
  struct Case {
    const char* who;
    std::int32_t id;
    int hp;
    std::uint8_t marked;
  };
  const Case cases[] = {
      {"player severely wounded", 1, 3, 0}, {"player not wounded", 1, 6, 0},
      {"player after the elixir", 1, 7, 0}, {"player at dead", 1, 0, 0},
      {"player already marked", 1, 2, 1},   {"the dragon incapacitated", 2, 2, 0},
      {"nobody at all", 999, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.who);
    putPlayer(6, 1, 10);
    if (t_entity* e = g().entities.GetEntityPtr(c.id)) {
      e->hp = c.hp;
      e->isDead = c.marked;
    }
    g().entities.DoSurvival(c.id);
    EXPECT_EQ(t.platform.takeNewStory(), "");
    EXPECT_TRUE(t.chance.requests.empty());
    if (t_entity* e = g().entities.GetEntityPtr(c.id)) {
      EXPECT_EQ(e->hp, c.hp);
      EXPECT_EQ(e->isDead, c.marked);
      EXPECT_EQ(e->isEnabled, 1);
    }
    EXPECT_EQ(g().inventory.GetQtyByEntityIDAndItemID(1, kFood), 10);
    player().isDead = 0;
    if (t_entity* dragon = g().entities.GetEntityPtr(2)) dragon->hp = 6;
  }
}

class TurnProcessing : public ::testing::Test {
 protected:
  Game& g() { return t.g(); }
  TestGame t;
};

TEST_F(TurnProcessing, TwoMarkedEntitiesGoAtTheNextEventWithARebuildEach) {
  // The dragon and the bottle lie elsewhere, so the room's buttons stay the same.
  g().entities.SetDead(2, 1);
  g().entities.SetDead(3, 1);
  EXPECT_NE(g().entities.GetEntityPtr(2), nullptr);
  EXPECT_NE(g().entities.GetEntityPtr(3), nullptr);
  const auto labels = t.platform.labels();
  ASSERT_EQ(labels, (std::vector<std::string>{"Go East", "Examine Sword", "Take Sword"}));
  const int added = t.platform.buttonsAdded, removed = t.platform.buttonsRemoved;
  const std::string story = t.platform.story;

  t.platform.tick();

  EXPECT_EQ(g().entities.GetEntityPtr(2), nullptr);
  EXPECT_EQ(g().entities.GetEntityPtr(3), nullptr);
  EXPECT_EQ(t.platform.buttonsRemoved - removed, 2 * 3);
  EXPECT_EQ(t.platform.buttonsAdded - added, 2 * 3);
  EXPECT_EQ(t.platform.labels(), labels);
  EXPECT_EQ(t.platform.story, story);
  EXPECT_EQ(g().app.playerDead, 0);
}

TEST_F(TurnProcessing, RemovingThePlayersFigureMarksThePlayerDead) {
  g().entities.SetDead(1, 1);
  g().entities.Process();
  EXPECT_EQ(g().entities.GetEntityPtr(1), nullptr);
  EXPECT_EQ(g().app.playerDead, 1);
}

TEST_F(TurnProcessing, ThePlayersDeathEndsTheGameAtTheSameEvent) {
  g().entities.SetDead(1, 1);
  t.platform.takeNewStory();
  t.platform.tick();
  EXPECT_EQ(g().entities.GetEntityPtr(1), nullptr);
  // Ten units of food, a point each.
  EXPECT_EQ(t.platform.takeNewStory(),
            "You have died. Your final score is 10. Thanks for playing. Please visit " +
                kMakerWebAddress + " for more games\n\nGAME OVER\n\n");
  EXPECT_TRUE(t.platform.labels().empty());
  EXPECT_TRUE(t.platform.isVisible(widget::RestartGameBtn));
}

TEST_F(TurnProcessing, AnIdleTickChangesNothing) {
  const int added = t.platform.buttonsAdded, removed = t.platform.buttonsRemoved;
  const std::string story = t.platform.story;
  const std::size_t population = g().entities.entities().size();
  t.platform.tick();
  EXPECT_EQ(t.platform.buttonsAdded, added);
  EXPECT_EQ(t.platform.buttonsRemoved, removed);
  EXPECT_EQ(t.platform.story, story);
  EXPECT_EQ(g().entities.entities().size(), population);
  EXPECT_TRUE(t.chance.requests.empty());
}

}  // namespace
}  // namespace mordavel::testing
