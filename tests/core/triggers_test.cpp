// The castle's scripted events: the table, first-entry narrations, the
// chances that come back on every entry, the spider and the ghost, and
// activation by id.
#include <gtest/gtest.h>

#include "castle/trigger_mgr.h"
#include "support/play.h"

namespace mordavel::testing {
namespace {

const TTrigger* firstTrigger(TestGame& t, std::uint16_t id, std::uint16_t category = 0) {
  for (const TTrigger& tr : t.g().triggers.triggers())
    if (tr.id == id && (category == 0 || tr.category == category)) return &tr;
  ADD_FAILURE() << "no trigger " << id;
  return nullptr;
}

std::string storyTextOf(TestGame& t, std::uint16_t id) {
  const TTrigger* tr = firstTrigger(t, id);
  return tr ? tr->StoryText : std::string();
}

bool isEnabled(TestGame& t, std::uint16_t id, std::uint16_t category = 0) {
  const TTrigger* tr = firstTrigger(t, id, category);
  return tr != nullptr && tr->isEnabled == 1;
}

const std::string kSacks =
    "  There is a sack of flour here.   There is a sack of potatoes here. \n\n";
const std::string kBottle = "  There is a small bottle here. \n\n";
const std::string kDragonAttacksAndBothMiss =
    "  The Earth Dragon attacks you. *** FIGHTING ***\n\n"
    "The Earth Dragon missed.\n\nThe Player missed.\n\n";
// Dragon's attack roll, player's defence roll, player's attack roll,
// dragon's defence roll: both blows miss.
const std::vector<int> kBothMiss = {3, 18, 3, 18};

TEST(Triggers, TableHoldsTheSeventeenCastleTriggersInOrder) {
  struct Row {
    std::uint16_t id, room, category;
    std::int32_t target, value;
    std::uint8_t persistent, entry;
  };
  const Row expected[] = {
      {1, 8, 1, 0, 0, 0, 1},      {2, 17, 1, 0, 0, 0, 1},     {3, 17, 11, 2, 1, 0, 1},
      {4, 14, 1, 0, 0, 0, 0},     {5, 4, 12, 4, 1, 1, 1},     {6, 4, 13, 8, 20, 1, 1},
      {7, 2, 12, 4, 1, 1, 1},     {8, 2, 13, 8, 50, 1, 1},    {9, 3, 13, 8, 50, 1, 1},
      {10, 12, 13, 8, 50, 1, 1},  {11, 15, 13, 8, 50, 1, 1},  {12, 14, 13, 8, 50, 1, 1},
      {13, 19, 14, 2, 0, 0, 1},   {14, 13, 14, 1, 0, 0, 1},   {15, 10, 13, 8, 100, 1, 1},
      {16, 8, 12, 4, 1, 1, 1},    {17, 7, 13, 8, 25, 1, 1},
  };
  TestGame t;
  const auto& table = t.g().triggers.triggers();
  ASSERT_EQ(table.size(), std::size(expected));
  for (std::size_t i = 0; i < table.size(); ++i) {
    const TTrigger& got = table[i];
    const Row& want = expected[i];
    SCOPED_TRACE("trigger " + std::to_string(want.id));
    EXPECT_EQ(got.id, want.id);
    EXPECT_EQ(got.roomNum, want.room);
    EXPECT_EQ(got.category, want.category);
    EXPECT_EQ(got.target, want.target);
    EXPECT_EQ(got.targetValue, want.value);
    EXPECT_EQ(got.isEnabled, 1);
    EXPECT_EQ(got.isPersistent, want.persistent);
    EXPECT_EQ(got.isEntryTrigger, want.entry);
    if (want.id == 4) {
      EXPECT_EQ(got.StoryText, "  You take your chances and decide to drink the liquid. \n");
    } else if (want.id == 1 || want.id == 2) {
      // The two narrations are paragraphs of their own.
      ASSERT_GT(got.StoryText.size(), 3u);
      EXPECT_EQ(got.StoryText.substr(0, 2), "  ");
      EXPECT_NE(got.StoryText[2], ' ');
      EXPECT_EQ(got.StoryText.back(), '\n');
    } else {
      EXPECT_EQ(got.StoryText, "");
    }
  }
}

TEST(Triggers, DragonLeapsOutAndWakesOnlyOnTheFirstEntry) {
  TestGame t;
  placePlayer(t, 14);
  t.platform.takeNewStory();

  // Narration, then the alert, both before the room: the dragon is listed
  // alerted and attacks as the room is shown.
  play(t, "Go East", kBothMiss);
  EXPECT_EQ(t.platform.takeNewStory(),
            "You decide to go east.\n\n" + storyTextOf(t, 2) + roomDesc(t, 17) +
                "  There is a Earth Dragon here. The Earth Dragon is alerted to your presence.\n\n" +
                kDragonAttacksAndBothMiss + kPrompt);
  EXPECT_EQ(t.g().entities.GetEntityPtr(2)->isAlerted, 1);
  EXPECT_FALSE(isEnabled(t, 2));
  EXPECT_FALSE(isEnabled(t, 3));

  // Calmed down, the dragon stays calm on the way back in: no narration,
  // no alert, no attack.
  t.g().entities.setAlertness(2, 0);
  play(t, "Go West", {50});  // the Master Chamber's monster chance misses
  t.platform.takeNewStory();
  play(t, "Go East");
  EXPECT_EQ(t.platform.takeNewStory(),
            "You decide to go east.\n\n" + roomDesc(t, 17) +
                "  There is a Earth Dragon here. The Earth Dragon is not alerted to your "
                "presence.\n\n" +
                kPrompt);
  EXPECT_EQ(t.g().entities.GetEntityPtr(2)->isAlerted, 0);
}

TEST(Triggers, BrokenLiftIsToldOnlyOnTheFirstEntryButTreasureMayComeEveryTime) {
  TestGame t;
  placePlayer(t, 9);
  t.platform.takeNewStory();

  play(t, "Go Down", {33});  // 33 brings no treasure
  EXPECT_EQ(t.platform.takeNewStory(),
            "Going down.\n\n" + storyTextOf(t, 1) + roomDesc(t, 8) + kSacks + kPrompt);

  play(t, "Go North", {25});  // the kitchen's chance misses on 25
  EXPECT_EQ(t.platform.takeNewStory(), "You proceed north.\n\n" + roomDesc(t, 7) +
                                           "  There is a Food on the table. \n\n" + kPrompt);

  // Back from the kitchen: no narration, but 32 brings treasure (lowest
  // band, 3 x 10 gold pieces, the one treasure type).
  play(t, "Go South", {32, 1, 3, 1});
  const std::string withTreasure =
      "  There is a sack of flour here.   There is a sack of potatoes here.   There is a "
      "Treasure on the Floor. \n\n";
  EXPECT_EQ(t.platform.takeNewStory(), "You go south.\n\nTreasure appears worth 30 gold pieces!\n\n" +
                                           roomDesc(t, 8) + withTreasure + kPrompt);

  play(t, "Go South", {100});  // no monster on 100 in the Rear Vestibule
  t.platform.takeNewStory();
  play(t, "Go North", {33});
  EXPECT_EQ(t.platform.takeNewStory(),
            "You proceed north.\n\n" + roomDesc(t, 8) + withTreasure + kPrompt);
}

TEST(Triggers, ChancesFireOnlyBelowTheirThresholds) {
  struct Case {
    std::uint16_t id;
    int draw;
    bool fires;
  };
  const Case cases[] = {
      {6, 19, true},   {6, 20, false},  {17, 24, true},  {17, 25, false},
      {5, 32, true},   {5, 33, false},  {7, 32, true},   {7, 33, false},
      {16, 32, true},  {16, 33, false}, {8, 49, true},   {8, 50, false},
      {9, 49, true},   {9, 50, false},  {10, 49, true},  {10, 50, false},
      {11, 49, true},  {11, 50, false}, {12, 49, true},  {12, 50, false},
      {15, 99, true},  {15, 100, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("trigger " + std::to_string(c.id) + " drawing " + std::to_string(c.draw));
    TestGame t;
    const TTrigger* tr = firstTrigger(t, c.id);
    ASSERT_NE(tr, nullptr);
    const bool treasure = tr->category == trigger::TreasureChance;
    placePlayer(t, tr->roomNum);
    t.platform.takeNewStory();

    t.chance.then({c.draw});
    std::string appears;
    if (c.fires && treasure) {
      t.chance.then({1, 1, 1});  // lowest band, 1 x 10 gold pieces
      appears = "Treasure appears worth 10 gold pieces!\n\n";
    } else if (c.fires) {
      t.chance.then({1, 3, 18});  // a werewolf that does not notice the player
      appears = "A Ferocious werewolf appears!\n\n";
    }
    t.g().triggers.Activate(c.id);
    EXPECT_TRUE(t.chance.script.empty());
    EXPECT_EQ(t.platform.takeNewStory(), appears);
    EXPECT_EQ(t.g().entities.GetEntityPtr(10) != nullptr, c.fires);
    EXPECT_TRUE(isEnabled(t, c.id));
  }
}

TEST(Triggers, MeetingRoomChancesComeBackOnEveryEntryInTableOrder) {
  TestGame t;
  placePlayer(t, 5);
  play(t, "Go North", {33, 20});  // neither treasure nor monster
  play(t, "Go South");
  t.platform.takeNewStory();

  // Treasure (2 x 10) first, then a fleshgorger that does not notice the player.
  play(t, "Go North", {32, 1, 2, 1, 19, 2, 2, 18});
  EXPECT_EQ(t.platform.takeNewStory(),
            "You proceed north.\n\nTreasure appears worth 20 gold pieces!\n\n"
            "A Fanatical fleshgorger appears!\n\n" +
                roomDesc(t, 4) +
                "  There is a Fur cloak on the ground.   There is a Treasure on the Floor. "
                "  There is a Fanatical fleshgorger here. The Fanatical fleshgorger is not "
                "alerted to your presence.\n\n" +
                kPrompt);
}

TEST(Triggers, SpiderAndGhostHurtOnceAndNameTheNewWoundLevel) {
  struct Case {
    const char* who;
    std::uint16_t from;
    const char* in;
    const char* out;
    std::uint16_t room;
    std::string echo;
    int hp;
    std::string level;
  };
  const Case cases[] = {
      {"spider", 16, "Go East", "Go West", 19, "You decide to go east.\n\n", 6, "stunned"},
      {"spider", 16, "Go East", "Go West", 19, "You decide to go east.\n\n", 4,
       "severely wounded"},
      {"ghost", 5, "Go Down", "Go Up", 13, "Going down.\n\n", 6, "stunned"},
      {"ghost", 5, "Go Down", "Go Up", 13, "Going down.\n\n", 5, "wounded"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.who) + " at wound level " + std::to_string(c.hp));
    TestGame t;
    placePlayer(t, c.from);
    t.g().entities.GetEntityPtr(1)->hp = c.hp;
    t.platform.takeNewStory();

    play(t, c.in);
    const std::string story = t.platform.takeNewStory();
    const std::string after = roomDesc(t, c.room) + "\n" + kPrompt;
    ASSERT_GT(story.size(), c.echo.size() + after.size());
    EXPECT_EQ(story.substr(0, c.echo.size()), c.echo);
    EXPECT_EQ(story.substr(story.size() - after.size()), after);
    const std::string message =
        story.substr(c.echo.size(), story.size() - c.echo.size() - after.size());
    const std::string ending = "You are " + c.level + ".\n";
    if (std::string(c.who) == "spider") {
      EXPECT_EQ(message, " As you enter the room, you are bitten by a spider. " + ending);
    } else {
      const std::string opening = " The ghost of the guard has awoken!";
      ASSERT_GT(message.size(), opening.size() + ending.size());
      EXPECT_EQ(message.substr(0, opening.size()), opening);
      EXPECT_EQ(message.substr(message.size() - ending.size()), ending);
    }
    EXPECT_EQ(t.g().entities.GetHPByID(1), c.hp - 1);

    // Out and back in: nothing happens the second time.
    play(t, c.out);
    t.platform.takeNewStory();
    play(t, c.in);
    EXPECT_EQ(t.platform.takeNewStory(), c.echo + after);
    EXPECT_EQ(t.g().entities.GetHPByID(1), c.hp - 1);
  }
}

TEST(Triggers, DisableUsesUpOnlyTriggersThatAreNotPersistent) {
  TestGame t;
  auto& triggers = t.g().triggers;
  triggers.Disable(6);
  triggers.Disable(2);
  EXPECT_TRUE(isEnabled(t, 6));
  EXPECT_FALSE(isEnabled(t, 2));
  EXPECT_TRUE(isEnabled(t, 3));

  // The persistent chance still draws.
  t.chance.then({20});
  triggers.Activate(6);
  EXPECT_TRUE(t.chance.script.empty());

  // No dragon narration for the rest of the game; its alert still comes.
  placePlayer(t, 14);
  t.platform.takeNewStory();
  play(t, "Go East", kBothMiss);
  EXPECT_EQ(t.platform.takeNewStory(),
            "You decide to go east.\n\n" + roomDesc(t, 17) +
                "  There is a Earth Dragon here. The Earth Dragon is alerted to your presence.\n\n" +
                kDragonAttacksAndBothMiss + kPrompt);
}

TEST(Triggers, DrinkNarrationIsToldEachTimeItIsActivated) {
  TestGame t;
  t.platform.takeNewStory();
  t.g().triggers.Activate(4);
  t.g().triggers.Activate(4);
  EXPECT_EQ(t.platform.takeNewStory(),
            "  You take your chances and decide to drink the liquid. \n"
            "  You take your chances and decide to drink the liquid. \n");
  EXPECT_TRUE(isEnabled(t, 4));
}

TEST(Triggers, UnknownOrUsedUpTriggerAppendsNothing) {
  TestGame t;
  t.g().triggers.Disable(2);
  const std::string before = t.platform.story;
  const int appends = t.platform.appendCalls;
  for (std::uint16_t id : {0, 18, 99, 65535, 2}) {
    SCOPED_TRACE("trigger " + std::to_string(id));
    t.g().triggers.Activate(id);
    EXPECT_EQ(t.platform.story, before);
    EXPECT_EQ(t.platform.appendCalls, appends);
    EXPECT_TRUE(t.chance.requests.empty());
  }
}

TEST(Triggers, RestartArmsTheSpiderAgain) {
  const std::string bite = " As you enter the room, you are bitten by a spider. You are stunned.\n";
  TestGame t;
  placePlayer(t, 16);
  t.platform.takeNewStory();
  play(t, "Go East");
  EXPECT_EQ(t.platform.takeNewStory(),
            "You decide to go east.\n\n" + bite + roomDesc(t, 19) + "\n" + kPrompt);
  EXPECT_FALSE(isEnabled(t, 13));

  t.g().app.Restart();
  EXPECT_TRUE(isEnabled(t, 13));
  placePlayer(t, 16);
  t.platform.takeNewStory();
  play(t, "Go East");
  EXPECT_EQ(t.platform.takeNewStory(),
            "You decide to go east.\n\n" + bite + roomDesc(t, 19) + "\n" + kPrompt);
}

TEST(Triggers, BiteAtTheLastWoundLevelKillsAtTheNextEvent) {
  TestGame t;
  placePlayer(t, 16);
  t.g().entities.GetEntityPtr(1)->hp = 1;
  t.platform.takeNewStory();

  // Level 0: survival leaves it alone, and no draw is made.
  play(t, "Go East");
  EXPECT_EQ(t.platform.takeNewStory(),
            "You decide to go east.\n\n As you enter the room, you are bitten by a spider. You "
            "are dead.\n" +
                roomDesc(t, 19) + "\n" + kPrompt);
  ASSERT_NE(t.g().entities.GetEntityPtr(1), nullptr);
  EXPECT_EQ(t.g().entities.GetEntityPtr(1)->hp, 0);
  EXPECT_EQ(t.g().entities.GetEntityPtr(1)->isDead, 1);

  t.platform.tick();
  EXPECT_EQ(t.platform.takeNewStory(), deathText(10));  // the ten units of food
  EXPECT_EQ(t.g().entities.GetEntityPtr(1), nullptr);
  EXPECT_TRUE(t.platform.labels().empty());
  EXPECT_TRUE(t.platform.isVisible(widget::RestartGameBtn));
}

TEST(Triggers, ChainThatLoopsBackStopsAndTellsEachNarrationOnce) {
  TestGame t;
  auto& triggers = t.g().triggers;
  // id, room, category, target, value, enabled, persistent, entry, narration.
  triggers.addTrigger(100, 0, trigger::Chain, 101, 0, 1, 1, 0, "");
  triggers.addTrigger(100, 0, trigger::Narration, 0, 0, 1, 0, 0, "  The corridor turns.\n");
  triggers.addTrigger(101, 0, trigger::Chain, 100, 0, 1, 1, 0, "");
  triggers.addTrigger(101, 0, trigger::Chain, 102, 0, 1, 1, 0, "");
  triggers.addTrigger(102, 0, trigger::Narration, 0, 0, 1, 0, 0, "  At last, a door.\n");
  t.platform.takeNewStory();

  triggers.Activate(100);
  EXPECT_EQ(t.platform.takeNewStory(), "  At last, a door.\n  The corridor turns.\n");
  triggers.Activate(101);
  EXPECT_EQ(t.platform.takeNewStory(), "  The corridor turns.\n  At last, a door.\n");
  // Persistent chains are never used up.
  triggers.Activate(100);
  EXPECT_EQ(t.platform.takeNewStory(), "  At last, a door.\n  The corridor turns.\n");
}

TEST(Triggers, ChainThatIsNotPersistentUsesItselfUp) {
  TestGame t;
  auto& triggers = t.g().triggers;
  triggers.addTrigger(110, 0, trigger::Chain, 111, 0, 1, 0, 0, "");
  triggers.addTrigger(111, 0, trigger::Chain, 110, 0, 1, 0, 0, "");
  triggers.addTrigger(111, 0, trigger::Narration, 0, 0, 1, 0, 0, "  Round and round.\n");
  t.platform.takeNewStory();

  triggers.Activate(110);
  EXPECT_EQ(t.platform.takeNewStory(), "  Round and round.\n");
  EXPECT_FALSE(isEnabled(t, 110, trigger::Chain));
  EXPECT_FALSE(isEnabled(t, 111, trigger::Chain));
  EXPECT_TRUE(isEnabled(t, 111, trigger::Narration));

  triggers.Activate(110);
  EXPECT_EQ(t.platform.takeNewStory(), "");
  triggers.Activate(111);
  EXPECT_EQ(t.platform.takeNewStory(), "  Round and round.\n");
}

}  // namespace
}  // namespace mordavel::testing
