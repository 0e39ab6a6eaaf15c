// One exchange of blows, and the monsters that start one when a room is shown.
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "app/wound_levels.h"
#include "support/recording_platform.h"
#include "support/fighters.h"

namespace mordavel::testing {
namespace {

constexpr std::int32_t kFists = 1, kSword = 2, kAxe = 3;
constexpr std::int32_t kFurCloak = 1;
const std::string kHeading = "*** FIGHTING ***\n\n";

using Requests = std::vector<std::pair<int, int>>;

// The lower bound of a roll on base attribute 18 at a wound level.
int lowestRoll(int hp) { return (18 - 3 * (6 - hp)) / 6; }

// A Goblin of the monsters (owner "Computer") against a Knight of the
// player's side (owner "Player"); both unhurt, dexterity and strength 18,
// bare-fisted and unarmoured unless a test says otherwise.
class Combat : public ::testing::Test {
 protected:
  Game& g() { return t.g(); }
  t_entity& e(std::int32_t id) { return *g().entities.GetEntityPtr(id); }
  std::string goblinAttacks(std::initializer_list<int> draws) {
    t.chance.then(draws);
    return g().entities.DoCombat(goblin, knight);
  }

  TestGame t;
  std::int32_t goblin = addFighter(t.g(), "Goblin", 19, 18, 18, 2, 2, kFists);
  std::int32_t knight = addFighter(t.g(), "Knight", 19, 18, 18, 1, 1, kFists);
};

TEST_F(Combat, TieMisses) {
  EXPECT_EQ(goblinAttacks({9, 9, 12, 12}),
            kHeading + "The Goblin missed.\n\nThe Knight missed.\n\n");
  EXPECT_EQ(e(goblin).hp, 6);
  EXPECT_EQ(e(knight).hp, 6);
}

TEST_F(Combat, FurCloakAbsorbsALightFistsBlow) {
  g().entities.SetArmor1IDByID(knight, kFurCloak);
  for (int fistsDraw : {1, 2}) {
    SCOPED_TRACE(fistsDraw);
    t.chance.requests.clear();
    EXPECT_EQ(goblinAttacks({10, 5, fistsDraw, 5, 10}),
              kHeading +
                  "Goblin hit and did 0 levels of damage. Knight is not wounded.\n\n"
                  "The Knight missed.\n\n");
    EXPECT_EQ(t.chance.requests.at(2), std::make_pair(1, 6));
    EXPECT_EQ(e(knight).hp, 6);
  }
}

TEST_F(Combat, LevelOneHitStunsOnlyTheUnhurt) {
  struct Case {
    int hpBefore, hpAfter;
    const char* named;
  };
  for (const Case& c : {Case{6, 5, "stunned"}, Case{5, 5, "stunned"}, Case{4, 4, "wounded"}}) {
    SCOPED_TRACE(c.hpBefore);
    e(knight).hp = c.hpBefore;
    // A fists draw of 3 is a level-1 hit; the Knight's answer misses.
    EXPECT_EQ(goblinAttacks({18, lowestRoll(c.hpBefore), 3, lowestRoll(c.hpAfter), 18}),
              kHeading + "Goblin hit and did 1 levels of damage. Knight is " + c.named +
                  ".\n\nThe Knight missed.\n\n");
    EXPECT_EQ(e(knight).hp, c.hpAfter);
  }
}

TEST_F(Combat, HeavyHitOnTheIncapacitatedStopsAtDeadAndCreditsTheKill) {
  g().entities.SetWeapon1IDByID(knight, kAxe);
  e(goblin).hp = 2;
  t.chance.then({18, 1, 10, 0, 3});  // the axe's 10 is a level-3 hit
  EXPECT_EQ(g().entities.DoCombat(knight, goblin),
            kHeading +
                "Knight hit and did 3 levels of damage. Goblin is dead.\n\n"
                "The Goblin is unconscious and unable to fight.\n\n");
  EXPECT_EQ(e(goblin).hp, 0);
  EXPECT_EQ(e(goblin).isDead, 1);
  EXPECT_EQ(fragsOf(g(), 1), 1);  // the Knight's owner, "Player"
  EXPECT_EQ(fragsOf(g(), 2), 0);
  EXPECT_NE(g().entities.GetEntityPtr(goblin), nullptr) << "removed only at the next event";
}

TEST_F(Combat, DefenderKilledByTheFirstStrikeDoesNotStrikeBack) {
  e(knight).hp = 2;
  e(knight).isAlerted = 1;
  EXPECT_EQ(goblinAttacks({18, 1, 4, 0, 3}),
            kHeading +
                "Goblin hit and did 2 levels of damage. Knight is dead.\n\n"
                "The Knight is unconscious and unable to fight.\n\n");
  EXPECT_EQ(e(knight).isDead, 1);
  EXPECT_EQ(e(knight).isAlerted, 0);
  EXPECT_EQ(fragsOf(g(), 2), 1);  // the Goblin's owner, "Computer"
  EXPECT_EQ(t.chance.requests, (Requests{{3, 18}, {1, 6}, {1, 6}, {0, 0}, {3, 18}}))
      << "both rolls of the fallen defender are still drawn, but no damage";
}

TEST_F(Combat, AttackerTooWoundedToFightLosesItsAlertButIsStillStruck) {
  e(goblin).hp = 2;
  e(goblin).isAlerted = 1;
  // The Goblin's roll of 6 beats the Knight's 3, yet it cannot strike.
  EXPECT_EQ(goblinAttacks({6, 3, 18, 1, 3}),
            kHeading +
                "The Goblin is unconscious and unable to fight.\n\n"
                "Knight hit and did 1 levels of damage. Goblin is incapacitated.\n\n");
  EXPECT_EQ(e(goblin).isAlerted, 0);
  EXPECT_EQ(e(goblin).hp, 2);
  EXPECT_EQ(e(knight).hp, 6);
  EXPECT_EQ(t.chance.requests, (Requests{{1, 6}, {3, 18}, {3, 18}, {1, 6}, {1, 6}}));
}

TEST_F(Combat, StrikerWithoutWeaponDealsNoDamage) {
  g().entities.SetWeapon1IDByID(goblin, 0);
  EXPECT_EQ(goblinAttacks({18, 3, 0, 3, 18}),
            kHeading +
                "Goblin hit and did 0 levels of damage. Knight is not wounded.\n\n"
                "The Knight missed.\n\n");
  EXPECT_EQ(t.chance.requests.at(2), std::make_pair(0, 0));
  EXPECT_EQ(e(knight).hp, 6);
}

TEST_F(Combat, NegativeDefenceScoreDrawsFromItsOwnRange) {
  // Strength 15 at level 0 is a defence score of -3; dexterity 9 at level 3
  // an attack score of 0.
  g().entities.SetWeapon1IDByID(goblin, 0);
  struct Case {
    int defenceRoll;
    const char* firstStrike;
  };
  for (const Case& c : {Case{-3, "Goblin hit and did 0 levels of damage. Knight is dead.\n\n"},
                        Case{0, "The Goblin missed.\n\n"}}) {
    SCOPED_TRACE(c.defenceRoll);
    TestGame fresh;
    const std::int32_t a = addFighter(fresh.g(), "Goblin", 19, 9, 18);
    const std::int32_t d = addFighter(fresh.g(), "Knight", 19, 18, 15, 1, 1);
    fresh.g().entities.GetEntityPtr(a)->hp = 3;
    fresh.g().entities.GetEntityPtr(d)->hp = 0;
    std::deque<int> draws = {0, c.defenceRoll};
    if (c.defenceRoll < 0) draws.push_back(0);  // the bare-handed damage draw
    draws.insert(draws.end(), {0, 1});
    fresh.chance.script = draws;
    EXPECT_EQ(fresh.g().entities.DoCombat(a, d),
              kHeading + c.firstStrike + "The Knight is unconscious and unable to fight.\n\n");
    EXPECT_EQ(fresh.chance.requests.at(1), std::make_pair(0, -3));
  }
}

TEST_F(Combat, DamageLevelFollowsItsBands) {
  struct Case {
    std::int32_t weapon, armour;
    int draw, level;
  };
  const std::int32_t kHalberd = 4;  // damage rating 18, added for the upper bands
  const Case cases[] = {
      {kFists, kFurCloak, 2, 0}, {kFists, kFurCloak, 3, 1}, {kFists, 0, 3, 1},
      {kFists, 0, 4, 2},         {kSword, 0, 8, 2},         {kAxe, 0, 9, 3},
      {kAxe, 0, 12, 3},          {kHalberd, 0, 13, 4},      {kHalberd, 0, 15, 4},
      {kHalberd, 0, 16, 5},      {kHalberd, 0, 18, 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("weapon " + std::to_string(c.weapon) + " armour " +
                 std::to_string(c.armour) + " draw " + std::to_string(c.draw));
    TestGame fresh;
    Game& game = fresh.g();
    game.weapons.AddWeaponType(0, 3, "Halberd", 18, 0);
    ASSERT_EQ(game.weapons.GetWeaponIDByName("Halberd"), kHalberd);
    const std::int32_t a = addFighter(game, "Goblin", 19, 18, 18, 2, 2, c.weapon);
    const std::int32_t d = addFighter(game, "Knight", 19, 18, 18, 1, 1, 0, c.armour);
    const int rating = game.weapons.GetWeaponDamageByID(c.weapon);
    const int hpAfter = 6 - c.level;  // the Knight was unhurt, so even level 1 counts
    fresh.chance.script = {18, 3, c.draw, lowestRoll(hpAfter), 18};
    const std::string answer = hpAfter <= 2 ? "The Knight is unconscious and unable to fight.\n\n"
                                            : "The Knight missed.\n\n";
    EXPECT_EQ(game.entities.DoCombat(a, d),
              kHeading + "Goblin hit and did " + std::to_string(c.level) +
                  " levels of damage. Knight is " + woundLevelNames[hpAfter] + ".\n\n" + answer);
    EXPECT_EQ(fresh.chance.requests.at(2), std::make_pair(rating / 6, rating));
    EXPECT_EQ(game.entities.GetEntityPtr(d)->hp, hpAfter);
  }
}

TEST_F(Combat, OneExchangeReseedsThenDrawsInStrikeOrder) {
  // The unhurt player with a sword against a fists-armed werewolf.
  g().entities.SetWeapon1IDByID(1, kSword);
  const std::int32_t wolf = g().entities.CreateEntityByObjectType(2, 6, "floor", 0, 2, 2);
  g().entities.SetWeapon1IDByID(wolf, kFists);
  t.chance.clock = 98765;
  t.chance.seeds.clear();
  t.chance.then({12, 7, 5, 15, 10, 4});
  EXPECT_EQ(g().entities.DoCombat(1, wolf),
            kHeading +
                "Player hit and did 2 levels of damage. Ferocious werewolf is wounded.\n\n"
                "Ferocious werewolf hit and did 2 levels of damage. Player is wounded.\n\n");
  // The player's attack and the wolf's guard, the sword; then the wolf,
  // weakened to 24 - 6, against the player's guard, and its fists.
  EXPECT_EQ(t.chance.requests,
            (Requests{{3, 18}, {3, 20}, {1, 8}, {3, 18}, {3, 18}, {1, 6}}));
  EXPECT_EQ(t.chance.seeds, std::vector<std::uint32_t>{98765});
}

// A real generator whose clock stands still.
class FrozenClockChance : public Chance {
 public:
  std::uint32_t milliseconds() override { return 4711; }
};

TEST(CombatReplay, ExchangesInTheSameMillisecondReplayTheSameDraws) {
  RecordingPlatform platform;
  FrozenClockChance chance;
  Game game(platform, chance);
  auto pair = [&] {
    return std::make_pair(addFighter(game, "Goblin", 19, 30, 18, 2, 2, kAxe),
                          addFighter(game, "Knight", 19, 24, 12, 1, 1, kSword));
  };
  const auto first = pair();
  const auto second = pair();

  const std::string firstText = game.entities.DoCombat(first.first, first.second);
  for (int i = 0; i < 7; ++i) chance.Rand(1, 1000);  // the generator moves on meanwhile
  const std::string secondText = game.entities.DoCombat(second.first, second.second);

  EXPECT_EQ(firstText, secondText);
  EXPECT_EQ(game.entities.GetHPByID(first.first), game.entities.GetHPByID(second.first));
  EXPECT_EQ(game.entities.GetHPByID(first.second), game.entities.GetHPByID(second.second));
}

// Monsters strike whenever their room is shown.
class MonsterActions : public ::testing::Test {
 protected:
  Game& g() { return t.g(); }
  std::int32_t monster(const std::string& name, std::int32_t room, std::int32_t team,
                       std::uint8_t alerted) {
    const std::int32_t id = addFighter(g(), name, room, 18, 18, team, 2, kFists);
    g().entities.setAlertness(id, alerted);
    return id;
  }
  static std::string attackMissedBothWays(const std::string& name) {
    return "  The " + name + " attacks you. " + kHeading + "The " + name +
           " missed.\n\nThe Player missed.\n\n";
  }

  TestGame t;  // the player stands in room 6
};

TEST_F(MonsterActions, AnnouncesTheAttackBeforeItsExchange) {
  monster("Goblin", 6, 2, 1);
  t.chance.then({5, 10, 5, 10});
  EXPECT_EQ(g().entities.DoNPCActions(6),
            "  The Goblin attacks you. *** FIGHTING ***\n\n"
            "The Goblin missed.\n\nThe Player missed.\n\n");
}

TEST_F(MonsterActions, OnlyAlertedMonstersOfTheRoomAttackInRegistryOrder) {
  monster("Goblin", 6, 2, 1);
  monster("Sleeper", 6, 2, 0);    // not alerted
  monster("Prowler", 7, 2, 1);    // another room
  monster("Squire", 6, 1, 1);     // the player's side
  monster("Scarecrow", 6, 0, 1);  // neutral
  monster("Troll", 6, 2, 1);
  t.chance.then({5, 10, 5, 10, 5, 10, 5, 10});
  EXPECT_EQ(g().entities.DoNPCActions(6),
            attackMissedBothWays("Goblin") + attackMissedBothWays("Troll"));
  EXPECT_EQ(t.chance.requests.size(), 8u);
}

TEST_F(MonsterActions, ThePlayersOwnFigureNeverAttacks) {
  g().entities.setAlertness(1, 1);
  g().entities.GetEntityPtr(1)->teamID = 2;
  EXPECT_EQ(g().entities.DoNPCActions(6), "");
  EXPECT_TRUE(t.chance.requests.empty());
}

TEST_F(MonsterActions, AMonsterLeftUnconsciousNoLongerAttacks) {
  const std::int32_t goblin = monster("Goblin", 6, 2, 1);
  g().entities.GetEntityPtr(goblin)->hp = 2;
  // The player strikes back bare-handed.
  t.chance.then({6, 3, 18, 1, 0});
  EXPECT_EQ(g().entities.DoNPCActions(6),
            "  The Goblin attacks you. *** FIGHTING ***\n\n"
            "The Goblin is unconscious and unable to fight.\n\n"
            "Player hit and did 0 levels of damage. Goblin is incapacitated.\n\n");
  EXPECT_EQ(g().entities.GetEntityPtr(goblin)->isAlerted, 0);

  t.platform.takeNewStory();
  t.chance.requests.clear();
  g().rooms.displayRoom("", 6);
  EXPECT_EQ(t.platform.takeNewStory(),
            g().rooms.find(6)->desc +
                "  There is a Sword on the ground.   There is a Goblin here. The Goblin is not "
                "alerted to your presence.\n\nWHAT DO YOU WANT TO DO? ");
  EXPECT_TRUE(t.chance.requests.empty());
}

TEST_F(MonsterActions, RoomShowsDescriptionListingAttacksSurvivalThenPrompt) {
  monster("Goblin", 1, 2, 1);
  g().entities.GetEntityPtr(1)->hp = 4;
  t.platform.takeNewStory();
  // The Goblin's fists hit for level 2; the incapacitated player cannot
  // answer, rallies on a strength draw of 8 and eats.
  t.chance.then({15, 2, 5, 1, 3, 8});
  t.platform.press("Go East");
  EXPECT_EQ(t.platform.takeNewStory(),
            "You decide to go east.\n\n" + g().rooms.find(1)->desc +
                "  There is a Goblin here. The Goblin is alerted to your presence.\n\n"
                "  The Goblin attacks you. *** FIGHTING ***\n\n"
                "Goblin hit and did 2 levels of damage. Player is incapacitated.\n\n"
                "The Player is unconscious and unable to fight.\n\n"
                "You are incapacitated. Your strength has enabled you to be alert before "
                "slipping into unconsciousness. You had 10 units of food to consume. After "
                "consuming 1 unit, you now have 9 units of food remaining. Your wound level is "
                "now severely wounded.\n\n"
                "WHAT DO YOU WANT TO DO? ");
  EXPECT_EQ(g().entities.GetHPByID(1), 3);
}

}  // namespace
}  // namespace mordavel::testing
