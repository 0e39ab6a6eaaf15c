// The things in the castle: the registry, the first population, what a
// room lists and offers, and examining, taking and asking.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/recording_platform.h"

namespace mordavel {
namespace {

using testing::TestGame;

const std::string kPrompt = "WHAT DO YOU WANT TO DO? ";

// Puts the player's turn in a room without walking there: the buttons are
// rebuilt for it as after a move.
void standIn(TestGame& t, std::uint16_t room) {
  t.g().app.currentRm = room;
  t.g().window.UpdateHints();
}

std::vector<std::pair<int, int>> holdingsOf(const TestGame& t, int holder) {
  std::vector<std::pair<int, int>> out;
  for (const t_inventory& line : t.game->inventory.lines())
    if (line.EntityID == holder) out.emplace_back(line.itemID, line.qty);
  return out;
}

// --- registry -----------------------------------------------------------

TEST(EntityRegistry, LookupsOfAnUnknownIdGiveNothing) {
  TestGame t;
  auto& e = t.g().entities;
  for (std::int32_t id : {0, 10, 99, -1}) {
    SCOPED_TRACE(id);
    EXPECT_EQ(e.GetEntityPtr(id), nullptr);
    EXPECT_EQ(e.GetHPByID(id), 0);
    EXPECT_EQ(e.GetName(id), "");
    EXPECT_EQ(e.GetTeamID(id), 0);
    EXPECT_EQ(e.GetPerception(id), 0);
    EXPECT_EQ(e.GetObjectType(id), 0);
    EXPECT_EQ(e.GetCurrentWeaponByID(id), 0);
    EXPECT_EQ(e.GetCurrentArmorByID(id), 0);
    EXPECT_EQ(e.SetWeapon1IDByID(id, 2), 0);
    EXPECT_EQ(e.SetArmor1IDByID(id, 1), 0);
    EXPECT_EQ(e.AddHP(id, 3), 0);
    EXPECT_EQ(e.SubtractHP(id, 3), 0);
    EXPECT_EQ(e.setAlertness(id, 1), 0);
    EXPECT_EQ(e.setRoomNum(id, 3), 0);
    EXPECT_EQ(e.SetDead(id, 1), 0);
  }
  // None of those changes reached a real entity.
  for (const t_entity& x : e.entities()) {
    SCOPED_TRACE(x.name);
    EXPECT_EQ(x.weapon1ID, 0);
    EXPECT_EQ(x.armor1ID, 0);
    EXPECT_EQ(x.isAlerted, 0);
    EXPECT_NE(x.roomNum, 3);
    EXPECT_EQ(x.isDead, 0);
  }
  EXPECT_EQ(e.GetHPByID(1), 6);
}

TEST(EntityRegistry, SingleFieldChangesById) {
  TestGame t;
  auto& e = t.g().entities;
  EXPECT_EQ(e.GetName(2), "Earth Dragon");
  EXPECT_EQ(e.GetTeamID(2), 2);
  EXPECT_EQ(e.GetPerception(1), 18);
  EXPECT_EQ(e.GetObjectType(4), 9);

  EXPECT_EQ(e.SetWeapon1IDByID(1, 3), 0);
  EXPECT_EQ(e.GetCurrentWeaponByID(1), 3);
  EXPECT_EQ(e.SetArmor1IDByID(1, 1), 0);
  EXPECT_EQ(e.GetCurrentArmorByID(1), 1);
  EXPECT_EQ(e.setAlertness(2, 1), 0);
  EXPECT_EQ(e.GetEntityPtr(2)->isAlerted, 1);
  EXPECT_EQ(e.setRoomNum(4, 19), 0);
  EXPECT_EQ(e.GetEntityPtr(4)->roomNum, 19);
}

TEST(EntityRegistry, WoundLevelIsNotClamped) {
  TestGame t;
  auto& e = t.g().entities;
  EXPECT_EQ(e.AddHP(1, 1), 0);
  EXPECT_EQ(e.GetHPByID(1), 7);
  EXPECT_EQ(e.SubtractHP(2, 10), 0);
  EXPECT_EQ(e.GetHPByID(2), -4);
  EXPECT_EQ(e.GetEntityPtr(2)->isDead, 0);  // changing the level kills nobody
}

TEST(EntityRegistry, DeadEntityStaysUntilTheNextEvent) {
  TestGame t;
  auto& e = t.g().entities;
  EXPECT_EQ(e.SetDead(4, 1), 0);
  ASSERT_NE(e.GetEntityPtr(4), nullptr);
  EXPECT_EQ(e.GetName(4), "Sword");
  EXPECT_EQ(e.showRoomEntities(6), "  There is a Sword on the ground. \n\n");
  EXPECT_EQ(t.platform.labels(), (std::vector<std::string>{"Go East", "Examine Sword", "Take Sword"}));

  t.platform.tick();
  EXPECT_EQ(e.GetEntityPtr(4), nullptr);
  EXPECT_EQ(e.GetHPByID(4), 0);
  EXPECT_EQ(e.GetName(4), "");
  EXPECT_EQ(e.showRoomEntities(6), "\n");
  EXPECT_EQ(t.platform.labels(), std::vector<std::string>{"Go East"});

  // The gap stays: the next entity still takes the next number.
  EXPECT_EQ(e.CreateEntityByObjectType(10, 6, "floor", 0, 0, 0), 10);
  EXPECT_EQ(e.NumEntities, 10);
}

TEST(EntityRegistry, HandMadeEntityIsUnhurtAndEnabledWhateverItsType) {
  TestGame t;
  auto& e = t.g().entities;
  const struct {
    const char* name;
    std::int32_t type;
    int category;
  } cases[] = {{"Golem", 9, 3}, {"Stranger", 11, 2}, {"Nobody", 99, 0}};
  std::int32_t next = 10;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(e.addEntity(0, c.name, c.type, 3, 0, "desc", "floor", 1, 2, 3, 0, 0, 0, 0), next);
    const t_entity* x = e.GetEntityPtr(next);
    ASSERT_NE(x, nullptr);
    EXPECT_EQ(x->hp, 6);
    EXPECT_EQ(x->isEnabled, 1);
    EXPECT_EQ(x->isDead, 0);
    EXPECT_EQ(x->category, c.category);
    EXPECT_TRUE(holdingsOf(t, next).empty());  // hand-made entities hold nothing
    ++next;
  }
  EXPECT_EQ(e.NumEntities, 12);
}

// --- population ---------------------------------------------------------

struct Populated {
  std::int32_t id;
  const char* name;
  int objectType, category, room;
  const char* location;
  int canTake, isUsable, disableAfterUse, team, owner, hp, dexterity, strength, perception;
  const char* desc;  // nullptr: the catalogue's own prose
  std::vector<std::pair<int, int>> holds;  // (type, quantity)
};

const std::vector<Populated>& firstPopulation() {
  static const std::vector<Populated> rows = {
      {1, "Player", 1, 1, 6, "floor", 0, 0, 0, 1, 1, 6, 18, 18, 18,
       "You are eager and ready to discover.", {{8, 10}}},
      {2, "Earth Dragon", 5, 8, 17, "floor", 0, 0, 0, 2, 2, 6, 18, 18, 18,
       "It looks devastating and smells of sulfur.", {}},
      {3, "small bottle", 6, 5, 14, "floor", 0, 1, 1, 0, 0, 6, 0, 0, 0,
       "It is a small bottle containing some type of liquid. The bottle is corked.", {}},
      {4, "Sword", 9, 3, 6, "ground", 1, 0, 0, 0, 0, 0, 8, 1, 0,
       "It is a short sword. Damage rating is 1D+2.", {{9, 1}}},
      {5, "Axe", 10, 3, 12, "floor", 1, 0, 0, 0, 0, 0, 12, 1, 0,
       "It is an axe. Damage rating is 2D.", {{10, 1}}},
      {6, "Fur cloak", 11, 2, 4, "ground", 1, 0, 0, 0, 0, 5, 1, 6, 0,
       "It is a fur cloak. Defense value of +2.", {{11, 1}}},
      {7, "Food", 8, 7, 7, "table", 1, 0, 0, 0, 0, 0, 0, 0, 0,
       "It is food. You can gain one wound level for each food you possess.", {{8, 10}}},
      {8, "sack of flour", 12, 7, 8, "floor", 0, 0, 0, 0, 0, 0, 0, 0, 0,
       "It is a sack of flour. As you examine it, you find treasure. Then the sack disappears!",
       {{12, 1}}},
      {9, "sack of potatoes", 13, 7, 8, "floor", 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, {{13, 1}}},
  };
  return rows;
}

void expectFirstPopulation(TestGame& t) {
  const auto& e = t.g().entities;
  const auto& rows = firstPopulation();
  ASSERT_EQ(e.entities().size(), rows.size());
  EXPECT_EQ(e.NumEntities, 9);
  auto it = e.entities().begin();
  for (const Populated& want : rows) {
    const t_entity& got = *it++;
    SCOPED_TRACE(want.name);
    EXPECT_EQ(got.id, want.id);
    EXPECT_EQ(got.name, want.name);
    EXPECT_EQ(got.objectType, want.objectType);
    EXPECT_EQ(got.category, want.category);
    EXPECT_EQ(got.roomNum, want.room);
    EXPECT_EQ(got.location, want.location);
    EXPECT_EQ(got.canTake, want.canTake);
    EXPECT_EQ(got.isUsable, want.isUsable);
    EXPECT_EQ(got.disableAfterUse, want.disableAfterUse);
    EXPECT_EQ(got.teamID, want.team);
    EXPECT_EQ(got.ownerID, want.owner);
    EXPECT_EQ(got.hp, want.hp);
    EXPECT_EQ(got.dexterity, want.dexterity);
    EXPECT_EQ(got.strength, want.strength);
    EXPECT_EQ(got.perception, want.perception);
    EXPECT_EQ(got.desc, want.desc != nullptr
                            ? std::string(want.desc)
                            : t.g().objectTypes.GetObjPtrByType(want.objectType)->description);
    EXPECT_EQ(got.isEnabled, 1);
    EXPECT_EQ(got.isDead, 0);
    EXPECT_EQ(got.isAlerted, 0);
    EXPECT_EQ(got.weapon1ID, 0);
    EXPECT_EQ(got.armor1ID, 0);
    EXPECT_EQ(holdingsOf(t, want.id), want.holds);
  }
}

TEST(Population, CastleHoldsTheNineEntitiesAtStartUp) {
  TestGame t({}, false);
  expectFirstPopulation(t);
  EXPECT_EQ(t.g().entities.CreateEntityByObjectType(2, 3, "floor", 0, 2, 2), 10);
}

TEST(Population, ResetBringsBackTheSameNineWhateverHappened) {
  TestGame t;
  auto& e = t.g().entities;
  t.platform.press("Take Sword");
  t.platform.tick();
  e.CreateEntityByObjectType(3, 6, "floor", 0, 2, 2);
  e.SubtractHP(1, 2);
  e.setAlertness(2, 1);
  e.SetWeapon1IDByID(1, 2);
  e.SetDead(9, 1);

  // As the restart does: the inventory first, so the population's lines stay.
  t.g().inventory.Reset();
  EXPECT_EQ(e.Reset(), 0);
  expectFirstPopulation(t);
  EXPECT_EQ(e.CreateEntityByObjectType(11, 3, "floor", 0, 0, 0), 10);
}

TEST(Population, UnknownTypeIsRefused) {
  TestGame t;
  auto& e = t.g().entities;
  const auto linesBefore = t.g().inventory.lines().size();
  EXPECT_EQ(e.CreateEntityByObjectType(99, 3, "floor", 0, 2, 2), 0);
  EXPECT_EQ(e.CreateEntityByObjectType(0, 3, "floor", 0, 2, 2), 0);
  EXPECT_EQ(e.NumEntities, 9);
  EXPECT_EQ(e.entities().size(), 9u);
  EXPECT_EQ(t.g().inventory.lines().size(), linesBefore);
  EXPECT_EQ(e.CreateEntityByObjectType(4, 3, "floor", 0, 2, 2), 10);
}

TEST(Population, CatalogueMadeEntityHoldsOneOfItsOwnType) {
  TestGame t;
  auto& e = t.g().entities;
  const std::int32_t id = e.CreateEntityByObjectType(3, 15, "floor", 1, 2, 2);
  ASSERT_EQ(id, 10);
  const t_entity* x = e.GetEntityPtr(id);
  ASSERT_NE(x, nullptr);
  EXPECT_EQ(x->name, "Fanatical fleshgorger");
  EXPECT_EQ(x->category, 8);
  EXPECT_EQ(x->roomNum, 15);
  EXPECT_EQ(x->hp, 6);
  EXPECT_EQ(x->dexterity, 14);
  EXPECT_EQ(x->strength, 12);
  EXPECT_EQ(x->perception, 12);
  EXPECT_EQ(x->disableAfterUse, 1);
  EXPECT_EQ(x->teamID, 2);
  EXPECT_EQ(x->ownerID, 2);
  EXPECT_EQ(holdingsOf(t, id), (std::vector<std::pair<int, int>>{{3, 1}}));
}

// --- room listing and hints ----------------------------------------------

TEST(RoomListing, EachPopulatedRoomListsAndOffersItsThings) {
  const struct {
    std::uint16_t room;
    bool dragonAlerted;
    const char* listing;
    std::vector<std::string> buttons;
  } cases[] = {
      {6, false, "  There is a Sword on the ground. \n\n",
       {"Go East", "Examine Sword", "Take Sword"}},
      {8, false, "  There is a sack of flour here.   There is a sack of potatoes here. \n\n",
       {"Go North", "Go South", "Examine sack of flour", "Examine sack of potatoes"}},
      {14, false, "  There is a small bottle here. \n\n",
       {"Go South", "Go East", "Examine small bottle", "Use small bottle"}},
      {17, false,
       "  There is a Earth Dragon here. The Earth Dragon is not alerted to your presence.\n\n",
       {"Go North", "Go South", "Go West", "Examine Earth Dragon", "Fight the Earth Dragon"}},
      {17, true,
       "  There is a Earth Dragon here. The Earth Dragon is alerted to your presence.\n\n",
       {"Go North", "Go South", "Go West", "Examine Earth Dragon", "Fight the Earth Dragon"}},
      {4, false, "  There is a Fur cloak on the ground. \n\n",
       {"Go South", "Examine Fur cloak", "Take Fur cloak"}},
      {7, false, "  There is a Food on the table. \n\n", {"Go South", "Examine Food", "Take Food"}},
      {12, false, "  There is a Axe on the floor. \n\n", {"Go West", "Examine Axe", "Take Axe"}},
      {1, false, "\n", {"Go South"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("room " + std::to_string(c.room) + (c.dragonAlerted ? ", dragon alerted" : ""));
    TestGame t;
    t.g().entities.setAlertness(2, c.dragonAlerted ? 1 : 0);
    EXPECT_EQ(t.g().entities.showRoomEntities(c.room), c.listing);
    standIn(t, c.room);
    EXPECT_EQ(t.platform.labels(), c.buttons);
  }
}

TEST(RoomListing, RoomsWithoutThingsListOnlyANewline) {
  TestGame t;
  const auto buttonsBefore = t.platform.buttonsAdded;
  for (std::int32_t room : {0, 1, 2, 3, 5, 9, 10, 11, 13, 15, 16, 18, 19, 20}) {
    SCOPED_TRACE(room);
    EXPECT_EQ(t.g().entities.showRoomEntities(room), "\n");
    t.g().entities.getHints(room);
  }
  EXPECT_EQ(t.platform.buttonsAdded, buttonsBefore);
}

TEST(RoomListing, TakenItemIsGoneBeforeTheRegistryDropsIt) {
  TestGame t;
  t.platform.press("Take Sword");
  const t_entity* sword = t.g().entities.GetEntityPtr(4);
  ASSERT_NE(sword, nullptr);  // still in the registry until the next event
  EXPECT_EQ(sword->roomNum, 0);
  EXPECT_EQ(sword->isEnabled, 0);
  EXPECT_EQ(sword->isDead, 1);
  EXPECT_EQ(t.g().entities.showRoomEntities(6), "\n");
  EXPECT_EQ(t.platform.labels(), std::vector<std::string>{"Go East"});
  EXPECT_EQ(t.g().entities.showRoomEntities(0), "\n");
}

TEST(RoomListing, DisabledEnemyIsNeitherListedNorOffered) {
  TestGame t;
  t_entity* dragon = t.g().entities.GetEntityPtr(2);
  dragon->isEnabled = 0;
  dragon->isAlerted = 1;
  EXPECT_EQ(t.g().entities.showRoomEntities(17), "\n");
  standIn(t, 17);
  EXPECT_EQ(t.platform.labels(), (std::vector<std::string>{"Go North", "Go South", "Go West"}));
}

TEST(RoomListing, AnEntityGetsItsButtonsInOrderAndOnlyEnemiesAreFought) {
  TestGame t;
  auto& e = t.g().entities;
  // Of the player's kind, takeable, usable and on the monsters' side: every button.
  e.addEntity(0, "Stranger", 1, 3, 1, "A stranger.", "bench", 10, 10, 10, 1, 0, 3, 2);
  // On the player's side: no fight, no alertness.
  e.addEntity(0, "Squire", 4, 3, 0, "A squire.", "floor", 10, 10, 10, 0, 0, 1, 1);
  EXPECT_EQ(e.showRoomEntities(3),
            "  There is a Stranger on the bench. The Stranger is not alerted to your presence."
            "  There is a Squire here. \n\n");
  standIn(t, 3);
  EXPECT_EQ(t.platform.labels(),
            (std::vector<std::string>{"Go North", "Go East", "Go West", "Examine Stranger",
                                      "Take Stranger", "Ask Stranger", "Fight the Stranger",
                                      "Use Stranger"}));
  // The squire's button would be the ninth: there is room for eight.
  t.g().entities.GetEntityPtr(10)->isEnabled = 0;
  t.g().window.UpdateHints();
  EXPECT_EQ(t.platform.labels(),
            (std::vector<std::string>{"Go North", "Go East", "Go West", "Examine Squire"}));
}

// --- examine, take and ask ----------------------------------------------

TEST(Examining, TellsNameAndDescriptionBetweenBlankLines) {
  TestGame t;
  auto& e = t.g().entities;
  EXPECT_EQ(e.getObjectDesc(4),
            "\n\nYou decide to examine the Sword.\n\nIt is a short sword. Damage rating is "
            "1D+2.\n\n");
  // Anywhere in the castle, not only in the player's room.
  EXPECT_EQ(e.getObjectDesc(2),
            "\n\nYou decide to examine the Earth Dragon.\n\nIt looks devastating and smells of "
            "sulfur.\n\n");
  EXPECT_EQ(e.getObjectDesc(99), "");
  t.platform.takeNewStory();
  t.platform.press("Examine Sword");
  EXPECT_EQ(t.platform.takeNewStory(),
            "\n\nYou decide to examine the Sword.\n\nIt is a short sword. Damage rating is "
            "1D+2.\n\n" + kPrompt);
}

TEST(Taking, SwordThenAxeThenAnotherSword) {
  TestGame t;
  auto& e = t.g().entities;
  auto& inv = t.g().inventory;
  t.platform.takeNewStory();

  t.platform.press("Take Sword");
  EXPECT_EQ(t.platform.takeNewStory(),
            "Take Sword\n\nYou took the Sword.\n\nThe Sword is now your primary weapon.\n\n" +
                kPrompt);
  EXPECT_EQ(e.GetCurrentWeaponByID(1), 2);
  EXPECT_EQ(inv.GetQtyByEntityIDAndItemID(1, 9), 1);
  t.platform.tick();

  standIn(t, 12);
  t.platform.press("Take Axe");
  EXPECT_EQ(t.platform.takeNewStory(),
            "Take Axe\n\nYou took the Axe.\n\nThe Axe is now your primary weapon.\n\n" + kPrompt);
  EXPECT_EQ(e.GetCurrentWeaponByID(1), 3);
  EXPECT_EQ(inv.GetQtyByEntityIDAndItemID(1, 10), 1);
  t.platform.tick();

  ASSERT_EQ(e.CreateEntityByObjectType(9, 12, "floor", 0, 0, 0), 10);
  t.g().window.UpdateHints();
  t.platform.press("Take Sword");
  EXPECT_EQ(t.platform.takeNewStory(), "Take Sword\n\nYou took the Sword.\n\n" + kPrompt);
  EXPECT_EQ(e.GetCurrentWeaponByID(1), 3);
  EXPECT_EQ(inv.GetQtyByEntityIDAndItemID(1, 9), 2);
  EXPECT_EQ(holdingsOf(t, 1), (std::vector<std::pair<int, int>>{{8, 10}, {9, 2}, {10, 1}}));
}

TEST(Taking, FurCloakBecomesThePrimaryArmour) {
  TestGame t;
  auto& e = t.g().entities;
  standIn(t, 4);
  t.platform.takeNewStory();
  t.platform.press("Take Fur cloak");
  EXPECT_EQ(t.platform.takeNewStory(),
            "Take Fur cloak\n\nYou took the Fur cloak.\n\nThe Fur cloak is now your primary "
            "armory.\n\n" + kPrompt);
  EXPECT_EQ(e.GetCurrentArmorByID(1), 1);
  EXPECT_EQ(t.g().inventory.GetQtyByEntityIDAndItemID(1, 11), 1);
  t.platform.tick();

  // A second cloak is no better than the first.
  ASSERT_EQ(e.CreateEntityByObjectType(11, 4, "ground", 0, 0, 0), 10);
  EXPECT_EQ(e.takeObject(10, 4, 1), 1);
  EXPECT_EQ(t.platform.takeNewStory(), "\nYou took the Fur cloak.\n\n");
  EXPECT_EQ(e.GetCurrentArmorByID(1), 1);
}

TEST(Taking, FoodArrivesAsTenUnits) {
  TestGame t;
  standIn(t, 7);
  t.platform.takeNewStory();
  t.platform.press("Take Food");
  EXPECT_EQ(t.platform.takeNewStory(), "Take Food\n\nYou took the Food.\n\n" + kPrompt);
  EXPECT_EQ(t.g().inventory.GetQtyByEntityIDAndItemID(1, 8), 20);
  // The pile's own line is left as it was.
  EXPECT_EQ(t.g().inventory.GetQtyByEntityIDAndItemID(7, 8), 10);
}

TEST(Taking, TheSameEntityCannotBeTakenTwice) {
  TestGame t;
  auto& e = t.g().entities;
  EXPECT_EQ(e.takeObject(4, 6, 1), 1);
  t.platform.takeNewStory();
  EXPECT_EQ(e.takeObject(4, 6, 1), 0);
  EXPECT_EQ(t.platform.takeNewStory(), "");
  EXPECT_EQ(t.g().inventory.GetQtyByEntityIDAndItemID(1, 9), 1);
}

TEST(Taking, OnlyInTheRoomWhereTheThingLies) {
  TestGame t;
  auto& e = t.g().entities;
  t.platform.takeNewStory();
  EXPECT_EQ(e.takeObject(5, 6, 1), 0);   // the axe is in room 12
  EXPECT_EQ(e.takeObject(99, 6, 1), 0);  // no such thing
  EXPECT_EQ(t.platform.takeNewStory(), "");
  EXPECT_EQ(e.GetEntityPtr(5)->roomNum, 12);
  EXPECT_EQ(e.GetEntityPtr(5)->isDead, 0);
}

TEST(Taking, WhatCannotBeTakenGetsOnlyTheHeading) {
  const struct {
    std::int32_t id;
    std::uint16_t room;
    const char* name;
  } cases[] = {
      {8, 8, "sack of flour"},
      {9, 8, "sack of potatoes"},
      {3, 14, "small bottle"},
      {2, 17, "Earth Dragon"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TestGame t;
    standIn(t, c.room);
    const auto holdings = holdingsOf(t, 1);
    t.platform.takeNewStory();
    t.g().window.TakeAction(c.id);
    EXPECT_EQ(t.platform.takeNewStory(), "Take " + std::string(c.name) + "\n" + kPrompt);
    const t_entity* x = t.g().entities.GetEntityPtr(c.id);
    ASSERT_NE(x, nullptr);
    EXPECT_EQ(x->roomNum, c.room);
    EXPECT_EQ(x->isEnabled, 1);
    EXPECT_EQ(x->isDead, 0);
    EXPECT_EQ(holdingsOf(t, 1), holdings);
  }
}

TEST(Asking, TalksWithTheEntityAndShowsNoPrompt) {
  TestGame t;
  auto& e = t.g().entities;
  t.platform.takeNewStory();
  EXPECT_EQ(e.AskEntity(4), 0);
  EXPECT_EQ(t.platform.takeNewStory(), "\n\nYou decided to talk with the Sword.");
  EXPECT_EQ(e.AskEntity(99), 0);
  EXPECT_EQ(t.platform.takeNewStory(), "");

  // The ask button of someone of the player's kind.
  e.addEntity(0, "Hermit", 1, 6, 0, "An old hermit.", "floor", 5, 5, 5, 0, 0, 0, 0);
  t.g().window.UpdateHints();
  t.platform.press("Ask Hermit");
  EXPECT_EQ(t.platform.takeNewStory(), "\n\nYou decided to talk with the Hermit.");
}

TEST(Asking, EntityFourteenDrinksTheLiquid) {
  TestGame t;
  auto& e = t.g().entities;
  for (std::int32_t want = 10; want <= 13; ++want)
    ASSERT_EQ(e.CreateEntityByObjectType(8, 1, "floor", 0, 0, 0), want);
  ASSERT_EQ(e.addEntity(0, "Hermit", 1, 1, 0, "An old hermit.", "floor", 5, 5, 5, 0, 0, 0, 0), 14);
  t.platform.takeNewStory();
  EXPECT_EQ(e.AskEntity(14), 0);
  EXPECT_EQ(t.platform.takeNewStory(),
            "\n\nYou decided to talk with the Hermit."
            "  You take your chances and decide to drink the liquid. \n" + kPrompt);
}

}  // namespace
}  // namespace mordavel
