// Whole games on the core, from the title to each ending and on into the
// next game, with every draw scripted and the story compared word for word.
#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "castle/trigger_mgr.h"
#include "support/play.h"

namespace mordavel::testing {
namespace {

const std::string kEast = "You decide to go east.\n\n";
const std::string kSouth = "You go south.\n\n";
const std::string kNorth = "You proceed north.\n\n";
const std::string kUp = "Going up.\n\n";
const std::string kDown = "Going down.\n\n";
const std::string kNobodyHere = "\n";

std::string narration(TestGame& t, std::uint16_t id) {
  for (const TTrigger& tr : t.g().triggers.triggers())
    if (tr.id == id) return tr.StoryText;
  ADD_FAILURE() << "no trigger " << id;
  return "";
}

// The story a whole game tells, built step by step beside the game itself.
struct Playthrough {
  TestGame& t;
  std::string expected;

  explicit Playthrough(TestGame& game) : t(game), expected(game.platform.story) {}
  void step(const std::string& label, const std::vector<int>& draws, const std::string& text) {
    play(t, label, draws);
    expected += text;
    EXPECT_EQ(t.platform.story, expected) << "after \"" << label << "\"";
  }
  void tick(const std::string& text = "") {
    t.platform.tick();
    expected += text;
    EXPECT_EQ(t.platform.story, expected) << "after a tick";
  }
};

std::string opening(TestGame& t) {
  return kAppTitle + t.g().app.storyIntro + roomDesc(t, 6) + "  There is a Sword on the ground. \n\n" +
         kPrompt;
}

// From the entrance to the exit the long way round, every chance missing
// and the dragon missing and missed; the ending is left for the next event.
void walkToTheExit(Playthrough& p) {
  TestGame& t = p.t;
  p.step("Go East", {}, kEast + roomDesc(t, 1) + kNobodyHere + kPrompt);
  p.step("Go South", {33, 50}, kSouth + roomDesc(t, 2) + kNobodyHere + kPrompt);
  p.step("Go South", {50}, kSouth + roomDesc(t, 3) + kNobodyHere + kPrompt);
  p.step("Go East", {}, kEast + roomDesc(t, 5) + kNobodyHere + kPrompt);
  p.step("Go Up", {50}, kUp + roomDesc(t, 15) + kNobodyHere + kPrompt);
  p.step("Go North", {50}, kNorth + roomDesc(t, 14) + "  There is a small bottle here. \n\n" + kPrompt);
  p.step("Go East", {3, 18, 3, 18},
         kEast + narration(t, 2) + roomDesc(t, 17) +
             "  There is a Earth Dragon here. The Earth Dragon is alerted to your presence.\n\n"
             "  The Earth Dragon attacks you. *** FIGHTING ***\n\n"
             "The Earth Dragon missed.\n\nThe Player missed.\n\n" +
             kPrompt);
  p.step("Go South", {}, kSouth + roomDesc(t, 16) + kNobodyHere + kPrompt);
  p.step("Go East", {},
         kEast + " As you enter the room, you are bitten by a spider. You are stunned.\n" +
             roomDesc(t, 19) + kNobodyHere + kPrompt);
  p.step("Go North", {}, kNorth + roomDesc(t, 9) + kNobodyHere + kPrompt);
  p.step("Go Down", {33},
         kDown + narration(t, 1) + roomDesc(t, 8) +
             "  There is a sack of flour here.   There is a sack of potatoes here. \n\n" + kPrompt);
  p.step("Go South", {100}, kSouth + roomDesc(t, 10) + kNobodyHere + kPrompt);
  // The way out shows no prompt.
  p.step("Go East", {}, kEast + roomDesc(t, 11) + kNobodyHere);
}

void playToTheExit(Playthrough& p) {
  walkToTheExit(p);
  p.tick(exitText(10));  // ten units of food and nothing else
}

// Into the Audience Chamber, where a werewolf appears, notices the player
// and strikes; the player fights back, is beaten down and dies.
void playToADeathInAFight(Playthrough& p) {
  TestGame& t = p.t;
  p.step("Go East", {}, kEast + roomDesc(t, 1) + kNobodyHere + kPrompt);
  // No treasure (33); a monster (49): the werewolf (1), which wins the
  // perception contest 10 to 5, then hits (20 against 5) with its fists for
  // 5 (level 2); the player's answer misses (2 against 20).
  p.step("Go South", {33, 49, 1, 10, 5, 20, 5, 5, 2, 20},
         kSouth + "A Ferocious werewolf appears!\n\n" + roomDesc(t, 2) +
             "  There is a Ferocious werewolf here. The Ferocious werewolf is alerted to your "
             "presence.\n\n"
             "  The Ferocious werewolf attacks you. *** FIGHTING ***\n\n"
             "Ferocious werewolf hit and did 2 levels of damage. Player is wounded.\n\n"
             "The Player missed.\n\n" +
             kPrompt);
  // The player misses (2 against 20), the werewolf hits (24 against 2) for
  // 6 (level 2); then strength fails (7), fails again while unconscious
  // (3) and fails at the last level (7).
  p.step("Fight the Ferocious werewolf", {2, 20, 24, 2, 6, 7, 3, 7},
         "You decide to attack.\n\n*** FIGHTING ***\n\n"
         "The Player missed.\n\n"
         "Ferocious werewolf hit and did 2 levels of damage. Player is incapacitated.\n\n"
         "You are incapacitated. Your strength has failed you. You are incapacitated and "
         "unconscious for a moment.\n\n"
         "You are incapacitated. You were already unconsious, so your health has worsened. You "
         "are now mortally wounded. "
         "You are mortally wounded. Your strength has failed you. You have died from your mortal "
         "wounds!\n\n" +
             kPrompt);
  EXPECT_EQ(t.g().entities.GetEntityPtr(1)->isDead, 1);
  // The game ends at the next event, on the prompt's line.
  p.tick(deathText(10));
}

void expectGameOverScreen(TestGame& t) {
  EXPECT_TRUE(t.platform.labels().empty());
  EXPECT_TRUE(t.platform.isVisible(widget::RestartGameBtn));
  EXPECT_FALSE(t.platform.isVisible(widget::ConsumeBtn));
  EXPECT_FALSE(t.platform.isVisible(widget::InventoryBtn));
  EXPECT_FALSE(t.platform.isVisible(widget::StatsBtn));
  EXPECT_TRUE(t.platform.isVisible(widget::VisitURLBtn));
  EXPECT_TRUE(t.platform.isVisible(widget::InstructionBtn));
}

TEST(WholeGame, WalkToTheExitEndsTheGameOnceAtTheNextEvent) {
  TestGame t;
  EXPECT_EQ(t.platform.story, opening(t));
  Playthrough p(t);
  walkToTheExit(p);
  EXPECT_EQ(t.g().app.currentRm, 11);
  EXPECT_EQ(t.g().entities.GetHPByID(1), 5);

  p.tick(exitText(10));
  EXPECT_EQ(t.g().app.currentRm, 0);
  expectGameOverScreen(t);
  // Later events tell nothing more.
  p.tick();
  p.tick();
  EXPECT_EQ(t.g().players.GetScore(1), 10);
}

TEST(WholeGame, DeathInAFightEndsTheGameOnThePromptsLine) {
  TestGame t;
  Playthrough p(t);
  playToADeathInAFight(p);
  EXPECT_EQ(t.g().entities.GetEntityPtr(1), nullptr);
  EXPECT_EQ(t.g().app.playerDead, 0);
  const std::string ending = kPrompt + "You have died. Your final score is 10.";
  EXPECT_NE(t.platform.story.find(ending), std::string::npos);
  expectGameOverScreen(t);
  p.tick();
  EXPECT_EQ(t.g().players.GetScore(1), 10);
}

TEST(WholeGame, DyingOnTheWayOutEndsTheGameOnceAsADeath) {
  struct Case {
    int hp;
    std::vector<int> draws;
    std::string survival;
  };
  const Case cases[] = {
      {1, {7},
       "You are mortally wounded. Your strength has failed you. You have died from your mortal "
       "wounds!\n\n"},
      {2, {7, 3, 7},
       "You are incapacitated. Your strength has failed you. You are incapacitated and "
       "unconscious for a moment.\n\n"
       "You are incapacitated. You were already unconsious, so your health has worsened. You "
       "are now mortally wounded. "
       "You are mortally wounded. Your strength has failed you. You have died from your mortal "
       "wounds!\n\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("wound level " + std::to_string(c.hp));
    TestGame t;
    placePlayer(t, 10);
    t.g().entities.GetEntityPtr(1)->hp = c.hp;
    Playthrough p(t);
    p.step("Go East", c.draws, kEast + roomDesc(t, 11) + kNobodyHere + c.survival);
    p.tick(deathText(10));
    EXPECT_EQ(t.g().players.GetScore(1), 10);  // counted once
    EXPECT_EQ(t.g().app.currentRm, 0);
    expectGameOverScreen(t);
    p.tick();
  }
}

TEST(WholeGame, RestartAfterEitherEndingBeginsTheSameFirstGame) {
  const std::pair<const char*, std::function<void(Playthrough&)>> endings[] = {
      {"the exit", playToTheExit},
      {"a death", playToADeathInAFight},
  };
  for (const auto& [name, playToTheEnd] : endings) {
    SCOPED_TRACE(name);
    TestGame t;
    Playthrough p(t);
    playToTheEnd(p);
    expectGameOverScreen(t);

    t.platform.press(widget::RestartGameBtn);
    p.expected += "Restart Game\n\nGame has been reset.\n\n" + opening(t);
    EXPECT_EQ(t.platform.story, p.expected);

    using Placed = std::tuple<std::int32_t, std::string, int>;
    std::vector<Placed> placed;
    for (const t_entity& e : t.g().entities.entities()) placed.emplace_back(e.id, e.name, e.roomNum);
    EXPECT_EQ(placed, (std::vector<Placed>{{1, "Player", 6},
                                           {2, "Earth Dragon", 17},
                                           {3, "small bottle", 14},
                                           {4, "Sword", 6},
                                           {5, "Axe", 12},
                                           {6, "Fur cloak", 4},
                                           {7, "Food", 7},
                                           {8, "sack of flour", 8},
                                           {9, "sack of potatoes", 8}}));
    EXPECT_EQ(t.g().entities.GetHPByID(1), 6);
    EXPECT_EQ(t.g().entities.GetEntityPtr(2)->isAlerted, 0);
    EXPECT_EQ(t.g().inventory.GetQtyByEntityIDAndItemID(1, 8), 10);
    EXPECT_EQ(t.g().players.GetScore(1), 0);
    EXPECT_EQ(t.g().app.currentRm, 6);
    for (const TTrigger& tr : t.g().triggers.triggers()) EXPECT_EQ(tr.isEnabled, 1) << tr.id;

    EXPECT_FALSE(t.platform.isVisible(widget::RestartGameBtn));
    EXPECT_TRUE(t.platform.isVisible(widget::ConsumeBtn));
    EXPECT_TRUE(t.platform.isVisible(widget::InventoryBtn));
    EXPECT_TRUE(t.platform.isVisible(widget::StatsBtn));
    EXPECT_EQ(t.platform.labels(),
              (std::vector<std::string>{"Go East", "Examine Sword", "Take Sword"}));

    // The spider is armed again in the new game.
    placePlayer(t, 16);
    t.platform.takeNewStory();
    play(t, "Go East");
    EXPECT_EQ(t.platform.takeNewStory(),
              kEast + " As you enter the room, you are bitten by a spider. You are stunned.\n" +
                  roomDesc(t, 19) + kNobodyHere + kPrompt);
  }
}

TEST(WholeGame, FinalScoreCountsKillsTreasureFoodWeaponsAndArmour) {
  TestGame t;
  play(t, "Take Sword");
  play(t, "Go East");
  // Treasure: 32, lowest band, 6 x 10 gold pieces. A monster: 49, the
  // maldemer (3), which does not notice the player (1 against 18).
  play(t, "Go South", {32, 1, 6, 1, 49, 3, 1, 18});
  play(t, "Take Treasure");
  // Three exchanges, each a sword hit for 8 (level 2): the maldemer goes
  // from 6 to 4, to 2 (too weak to answer) and to 0.
  play(t, "Fight the Maloventy maldemer", {18, 2, 8, 1, 18});
  play(t, "Fight the Maloventy maldemer", {18, 1, 8, 0, 3});
  play(t, "Fight the Maloventy maldemer", {18, 0, 8, -6, 3});
  t.platform.tick();
  EXPECT_EQ(t.g().entities.GetEntityPtr(11), nullptr);

  play(t, "Go South", {50});
  play(t, "Go East");
  play(t, "Go Down");  // the ghost
  play(t, "Go East", {50});
  play(t, "Take Axe");
  play(t, "Go West");
  play(t, "Go Up");
  play(t, "Go North", {33, 20});
  play(t, "Take Fur cloak");
  play(t, "Go South");
  play(t, "Go Up", {50});
  play(t, "Go North", {50});
  play(t, "Go East", {3, 15, 2, 18});  // the dragon misses and is missed
  play(t, "Go South");
  play(t, "Go East");  // the spider
  play(t, "Go North");
  play(t, "Go Down", {33});
  play(t, "Go South", {100});
  play(t, "Go East");
  EXPECT_EQ(t.g().entities.GetHPByID(1), 4);
  t.platform.takeNewStory();

  t.platform.tick();
  // 30 for the kill, 2 x 60 for the gold, 10 for the food, 65 for the
  // sword, 95 for the axe and 85 for the fur cloak.
  EXPECT_EQ(t.platform.takeNewStory(), exitText(405));
  EXPECT_EQ(t.g().players.GetScore(1), 405);
}

}  // namespace
}  // namespace mordavel::testing
