// The fixed command buttons and what the entity action buttons do, with the
// exact texts they leave in the story.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "support/play.h"

namespace mordavel::testing {
namespace {

TEST(Commands, ShowStatsNamesWoundsHoldingsWeaponAndArmour) {
  struct Case {
    const char* name;
    std::function<void(TestGame&)> setUp;
    std::string stats;
  };
  const Case cases[] = {
      {"a new game", [](TestGame&) {},
       "Your wound level is not wounded. You have 0 treasure. Your provisions sack holds 10 "
       "units of food. Your primary weapon is none. Your armor is none.\n\n"},
      {"after the elixir, some finds and a meal",
       [](TestGame& t) {
         auto& e = t.g().entities;
         e.GetEntityPtr(1)->hp = 7;
         t.g().inventory.addInventory(1, 7, 120);
         t.g().inventory.ConsumeItmByEntityIDandItemID(1, 8);
         e.SetWeapon1IDByID(1, t.g().weapons.GetWeaponIDByName("Axe"));
         e.SetArmor1IDByID(1, t.g().armors.GetArmorIDByName("fur cloak"));
       },
       "Your wound level is not wounded. You have 120 treasure. Your provisions sack holds 9 "
       "units of food. Your primary weapon is Axe. Your armor is fur cloak.\n\n"},
      {"badly hurt", [](TestGame& t) { t.g().entities.GetEntityPtr(1)->hp = 2; },
       "Your wound level is incapacitated. You have 0 treasure. Your provisions sack holds 10 "
       "units of food. Your primary weapon is none. Your armor is none.\n\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestGame t;
    c.setUp(t);
    t.platform.takeNewStory();
    t.platform.press(widget::StatsBtn);
    EXPECT_EQ(t.platform.takeNewStory(), "Get stats\n\n" + c.stats + kPrompt);
  }
}

TEST(Commands, ShowInventoryListsWhatThePlayerHolds) {
  TestGame t;
  t.platform.takeNewStory();
  t.platform.press(widget::InventoryBtn);
  EXPECT_EQ(t.platform.takeNewStory(),
            "Show Inventory\n\nItems in Inventory for Player:\n  10 Food\n\n" + kPrompt);

  play(t, "Take Sword");
  t.platform.takeNewStory();
  t.platform.press(widget::InventoryBtn);
  EXPECT_EQ(t.platform.takeNewStory(),
            "Show Inventory\n\nItems in Inventory for Player:\n  10 Food\n  Sword\n\n" + kPrompt);
}

TEST(Commands, ConsumeEatsOnlyWhenWounded) {
  struct Case {
    int hp;
    std::string outcome;
    int foodLeft;
    int hpAfter;
  };
  const Case cases[] = {
      {6,
       "Although the food appears appetizing, you are not wounded or fatigued, so you decide "
       "not to eat any food.\n\n",
       10, 6},
      {4,
       "You had 10 units of food to consume. After consuming 1 unit, you now have 9 units of "
       "food remaining. Your wound level is now stunned.\n\n",
       9, 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("wound level " + std::to_string(c.hp));
    TestGame t;
    t.g().entities.GetEntityPtr(1)->hp = c.hp;
    t.platform.takeNewStory();
    t.platform.press(widget::ConsumeBtn);
    EXPECT_EQ(t.platform.takeNewStory(),
              "Eat food\n\nYou decide to consume some of your food. " + c.outcome + kPrompt);
    EXPECT_EQ(t.g().inventory.GetQtyByEntityIDAndItemID(1, 8), c.foodLeft);
    EXPECT_EQ(t.g().entities.GetHPByID(1), c.hpAfter);
  }
}

TEST(Commands, TooWoundedToFightStrikesNoBlow) {
  struct Case {
    int hp;
    std::string level;
    int survivalDraw;
    std::string survival;
  };
  const Case cases[] = {
      {2, "incapacitated", 8,
       "You are incapacitated. Your strength has enabled you to be alert before slipping into "
       "unconsciousness. You had 10 units of food to consume. After consuming 1 unit, you now "
       "have 9 units of food remaining. Your wound level is now severely wounded.\n\n"},
      {1, "mortally wounded", 7,
       "You are mortally wounded. Your strength has failed you. You have died from your mortal "
       "wounds!\n\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("wound level " + std::to_string(c.hp));
    TestGame t;
    placePlayer(t, 17);
    t.g().entities.GetEntityPtr(1)->hp = c.hp;
    t.platform.takeNewStory();

    // The only draw is the survival check's.
    play(t, "Fight the Earth Dragon", {c.survivalDraw});
    EXPECT_EQ(t.platform.takeNewStory(), "You decide to attack.\n\nUnfortunately, you are " +
                                             c.level + " and too wounded to attach." +
                                             c.survival + kPrompt);
    EXPECT_EQ(t.chance.requests, (std::vector<std::pair<int, int>>{{3, 18}}));
    EXPECT_EQ(t.g().entities.GetEntityPtr(2)->isAlerted, 0);
    EXPECT_EQ(t.g().entities.GetHPByID(2), 6);
  }
}

TEST(Commands, FightAtFullHealthTellsTheExchangeAndAlertsTheTarget) {
  TestGame t;
  play(t, "Take Sword");
  placePlayer(t, 17);
  t.platform.takeNewStory();

  // Player 12 against 5: a hit, the sword draws 5 (level 2); the dragon,
  // now at 12 - its wounds, rolls 2 against 10 and misses.
  play(t, "Fight the Earth Dragon", {12, 5, 5, 2, 10});
  EXPECT_EQ(t.platform.takeNewStory(),
            "You decide to attack.\n\n*** FIGHTING ***\n\n"
            "Player hit and did 2 levels of damage. Earth Dragon is wounded.\n\n"
            "The Earth Dragon missed.\n\n" +
                kPrompt);
  EXPECT_EQ(t.chance.requests,
            (std::vector<std::pair<int, int>>{{3, 18}, {3, 18}, {1, 8}, {2, 12}, {3, 18}}));
  EXPECT_EQ(t.g().entities.GetEntityPtr(2)->isAlerted, 1);
  EXPECT_EQ(t.g().entities.GetHPByID(2), 4);
}

TEST(Commands, ExaminingASackTurnsItIntoAFind) {
  struct Case {
    const char* button;
    std::int32_t sack;
    std::vector<int> draws;
    std::string desc;  // empty: the catalogue's own prose
    std::string appears;
    std::string found;
    std::uint8_t foundAlerted;
    std::vector<std::string> labelsAfter;
  };
  const Case cases[] = {
      {"Examine sack of flour", 8, {1, 3, 1},  // lowest band, 3 x 10 gold pieces
       "It is a sack of flour. As you examine it, you find treasure. Then the sack disappears!",
       "Treasure appears worth 30 gold pieces!\n\n", "Treasure", 0,
       {"Go North", "Go South", "Examine sack of potatoes", "Examine Treasure", "Take Treasure"}},
      // A fleshgorger that loses the perception contest, alerted all the same.
      {"Examine sack of potatoes", 9, {2, 2, 18}, "", "A Fanatical fleshgorger appears!\n\n",
       "Fanatical fleshgorger", 1,
       {"Go North", "Go South", "Examine sack of flour", "Examine Fanatical fleshgorger",
        "Fight the Fanatical fleshgorger"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    TestGame t;
    placePlayer(t, 8);
    const t_entity* sack = t.g().entities.GetEntityPtr(c.sack);
    ASSERT_NE(sack, nullptr);
    const std::string name = sack->name;
    const std::string desc = c.desc.empty() ? sack->desc : c.desc;
    t.platform.takeNewStory();

    play(t, c.button, c.draws);
    EXPECT_EQ(t.platform.takeNewStory(), "\n\nYou decide to examine the " + name + ".\n\n" +
                                             desc + "\n\n" + c.appears + kPrompt);
    const t_entity* found = t.g().entities.GetEntityPtr(10);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->name, c.found);
    EXPECT_EQ(found->roomNum, 8);
    EXPECT_EQ(found->isAlerted, c.foundAlerted);

    t.platform.tick();
    EXPECT_EQ(t.g().entities.GetEntityPtr(c.sack), nullptr);
    EXPECT_EQ(t.platform.labels(), c.labelsAfter);
  }
}

TEST(Commands, UsingTheBottleTakesTheTreasureChanceThenDrinks) {
  TestGame t;
  placePlayer(t, 14);
  t.platform.takeNewStory();

  // Trigger 7's chance first: 10 brings 2 x 10 gold pieces.
  play(t, "Use small bottle", {10, 1, 2, 1});
  EXPECT_EQ(t.platform.takeNewStory(),
            "Treasure appears worth 20 gold pieces!\n\n"
            "\nIt's an Elixir, so you drink it. You gain 1 wound points. Your wound level is not "
            "wounded.\n\n" +
                kPrompt);
  EXPECT_EQ(t.g().entities.GetHPByID(1), 7);
  EXPECT_EQ(t.platform.labels(),
            (std::vector<std::string>{"Go South", "Go East", "Examine Treasure", "Take Treasure"}));

  // The empty bottle offers no button; used all the same, the bottle is
  // still of the elixir's type, so trigger 7's chance is taken again, and a
  // draw of 33 brings nothing: only the prompt.
  t.chance.then({33});
  t.g().window.UseAction(3);
  EXPECT_TRUE(t.chance.script.empty());
  EXPECT_EQ(t.platform.takeNewStory(), kPrompt);
  EXPECT_EQ(t.g().entities.GetHPByID(1), 7);
}

TEST(Commands, TakeEchoesEvenWhenNothingIsTaken) {
  TestGame t;
  t.platform.takeNewStory();
  play(t, "Take Sword");
  EXPECT_EQ(t.platform.takeNewStory(),
            "Take Sword\n\nYou took the Sword.\n\nThe Sword is now your primary weapon.\n\n" +
                kPrompt);

  struct Case {
    std::int32_t target;
    std::string echo;
  };
  const Case refused[] = {
      {4, "Take Sword\n"},           // already taken, in no room now
      {8, "Take sack of flour\n"},   // in another room, and cannot be taken
      {2, "Take Earth Dragon\n"},    // cannot be taken
      {99, "Take \n"},               // no such entity
  };
  for (const Case& c : refused) {
    SCOPED_TRACE("entity " + std::to_string(c.target));
    t.g().window.TakeAction(c.target);
    EXPECT_EQ(t.platform.takeNewStory(), c.echo + kPrompt);
  }
  EXPECT_EQ(t.g().inventory.GetQtyByEntityIDAndItemID(1, 9), 1);
}

TEST(Commands, AskHasNoPromptOfItsOwn) {
  struct Case {
    std::int32_t id;
    std::string name;
    std::string after;
  };
  const Case cases[] = {
      {15, "Pilgrim", ""},
      // Asking entity 14 has the drink narration told, and the prompt.
      {14, "Wanderer", "  You take your chances and decide to drink the liquid. \n" + kPrompt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestGame t;
    // Someone of the player's own kind, on the player's side.
    t.g().entities.addEntity(c.id, c.name, 1, 6, 0, "A weary traveller.", "floor", 18, 18, 18,
                             0, 0, 1, 1);
    t.g().window.UpdateHints();
    t.platform.takeNewStory();
    play(t, "Ask " + c.name);
    EXPECT_EQ(t.platform.takeNewStory(),
              "\n\nYou decided to talk with the " + c.name + "." + c.after);
  }
}

TEST(Commands, ActionButtonOutsideTheKnownCategoriesDoesNothing) {
  TestGame t;
  auto& window = t.g().window;
  window.Window_Main_Create_Choice_Btn(0, 4, "Ponder");
  window.Window_Main_Create_Choice_Btn(13, 4, "Wonder");
  window.Window_Main_Create_Choice_Btn(200, 1, "Wander");
  const std::string story = t.platform.story;
  const auto labels = t.platform.labels();
  for (const char* label : {"Ponder", "Wonder", "Wander"}) {
    SCOPED_TRACE(label);
    t.platform.press(label);
    EXPECT_EQ(t.platform.story, story);
    EXPECT_EQ(t.platform.labels(), labels);
    EXPECT_TRUE(t.chance.requests.empty());
  }
  EXPECT_EQ(t.g().app.currentRm, 6);
}

TEST(Commands, VisitAndInstructionsOpenThingsButNeverChangeTheStory) {
  TestGame t;
  const std::string story = t.platform.story;
  const int appends = t.platform.appendCalls;
  const auto labels = t.platform.labels();

  t.platform.press(widget::VisitURLBtn);
  t.platform.press(widget::InstructionBtn);
  EXPECT_EQ(t.platform.opened,
            (std::vector<std::string>{
                "web " + kMakerWebAddress,
                "doc " + (std::filesystem::current_path() / "Mordavel_Readme.pdf").string()}));
  EXPECT_EQ(t.platform.story, story);
  EXPECT_EQ(t.platform.appendCalls, appends);
  EXPECT_EQ(t.platform.labels(), labels);
}

}  // namespace
}  // namespace mordavel::testing
