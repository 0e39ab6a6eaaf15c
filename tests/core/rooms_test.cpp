// The map of the castle and walking through it.
#include <gtest/gtest.h>

#include "support/recording_platform.h"

namespace mordavel {
namespace {

using testing::TestGame;

struct RoomRow {
  int id;
  const char* name;
  int n, s, e, w, u, d;
};

const RoomRow kMap[] = {
    {1, "The Hallway", 0, 2, 0, 0, 0, 0},        {2, "Audience Chamber", 1, 3, 3, 0, 0, 0},
    {3, "The Great Hall", 2, 0, 5, 2, 0, 0},     {4, "Meeting Room", 0, 5, 0, 0, 0, 0},
    {5, "Inner Hallway", 4, 0, 0, 3, 15, 13},    {6, "Castle Entrance", 0, 0, 1, 0, 0, 0},
    {7, "Kitchen", 0, 8, 0, 0, 0, 0},            {8, "Store Room", 7, 10, 0, 0, 0, 0},
    {9, "The Lift", 0, 19, 0, 0, 0, 8},          {10, "Rear Vestibule", 8, 0, 11, 0, 0, 0},
    {11, "The Exit", 0, 0, 0, 0, 0, 0},          {12, "Dungeon", 0, 0, 0, 13, 0, 0},
    {13, "Prison Guardroom", 0, 0, 12, 0, 5, 0}, {14, "Master Chamber", 0, 15, 17, 0, 0, 0},
    {15, "Upper Hallway", 14, 0, 0, 0, 0, 5},    {16, "Treasury", 17, 0, 19, 0, 0, 0},
    {17, "Chambermaid Chamber", 18, 16, 0, 14, 0, 0},
    {18, "Dressing Chamber", 0, 17, 0, 0, 0, 0}, {19, "Courtyard", 9, 0, 0, 16, 0, 0},
};

void expectTheMap(const t_RoomMgr& rooms) {
  ASSERT_EQ(rooms.rooms().size(), std::size(kMap));
  for (std::size_t i = 0; i < std::size(kMap); ++i) {
    const RoomRow& want = kMap[i];
    const t_room& room = rooms.rooms()[i];
    SCOPED_TRACE(want.name);
    EXPECT_EQ(room.id, want.id);
    EXPECT_EQ(room.name, want.name);
    EXPECT_EQ(room.n, want.n);
    EXPECT_EQ(room.s, want.s);
    EXPECT_EQ(room.e, want.e);
    EXPECT_EQ(room.w, want.w);
    EXPECT_EQ(room.u, want.u);
    EXPECT_EQ(room.d, want.d);
    EXPECT_EQ(room.imgFn, want.id == 6 ? "data/media/img/castle_entrance.jpg" : "data/media/img/");
  }
}

TEST(Map, EveryExitOfEveryRoom) {
  TestGame t;
  expectTheMap(t.g().rooms);
}

TEST(Map, ResetUndoesAnOpenedPathway) {
  TestGame t;
  t.g().rooms.EnablePathway(9, 4, 8);
  EXPECT_EQ(t.g().rooms.find(9)->u, 4);
  t.g().rooms.EnablePathway(9, 7, 5);  // only code 8 opens a way up
  EXPECT_EQ(t.g().rooms.find(9)->u, 4);
  t.g().rooms.Reset();
  expectTheMap(t.g().rooms);
}

// Each room's movement buttons, in the order north, south, east, west, up, down.
TEST(Walking, MovementButtonsPerRoomInFixedOrder) {
  const char* kLabels[] = {"Go North", "Go South", "Go East", "Go West", "Go Up", "Go Down"};
  for (const RoomRow& row : kMap) {
    SCOPED_TRACE(row.name);
    TestGame t;
    auto& window = t.g().window;
    window.Window_Main_Clear_Choice_Btns();
    t.g().rooms.GetHints(static_cast<std::uint16_t>(row.id));
    std::vector<std::string> wantLabels;
    std::vector<std::pair<int, int>> wantRecords;
    const int exits[] = {row.n, row.s, row.e, row.w, row.u, row.d};
    for (int dir = 0; dir < 6; ++dir) {
      if (exits[dir] == 0) continue;
      wantLabels.push_back(kLabels[dir]);
      wantRecords.emplace_back(dir + 1, exits[dir]);
    }
    EXPECT_EQ(t.platform.labels(), wantLabels);
    std::vector<std::pair<int, int>> records;
    for (const auto& shown : t.platform.buttons())
      for (const auto& r : window.actionRecords())
        if (r.btnGadgetID == shown.id) records.emplace_back(r.category, r.target);
    EXPECT_EQ(records, wantRecords);
  }
}

TEST(Walking, EastFromTheEntranceIntoTheHallway) {
  TestGame t;
  t.platform.takeNewStory();
  t.platform.press("Go East");
  EXPECT_EQ(t.platform.takeNewStory(), "You decide to go east.\n\n" + t.g().rooms.find(1)->desc +
                                           "\n" + "WHAT DO YOU WANT TO DO? ");
  EXPECT_EQ(t.g().app.currentRm, 1);
  EXPECT_EQ(t.g().entities.GetEntityPtr(1)->roomNum, 1);
  EXPECT_EQ(t.platform.labels(), std::vector<std::string>{"Go South"});
  EXPECT_EQ(t.platform.shownPicture, "data/media/img/castle_entrance.jpg")
      << "rooms without a picture keep the entrance on the panel";
}

// Every movement message, from a room that has that exit and no entry
// trigger or monster on the other side.
TEST(Walking, MovementMessages) {
  struct Move {
    std::uint16_t from;
    std::uint16_t direction;
    std::uint16_t to;
    const char* message;
  } const moves[] = {
      {2, North, 1, "You proceed north.\n\n"}, {1, South, 2, "You go south.\n\n"},
      {6, East, 1, "You decide to go east.\n\n"}, {3, West, 2, "Go west.\n\n"},
      {13, Up, 5, "Going up.\n\n"},            {15, Down, 5, "Going down.\n\n"},
  };
  for (const Move& m : moves) {
    SCOPED_TRACE(m.message);
    TestGame t;
    // Room 2 has two chances on entry; both draws miss.
    if (m.to == 2) t.chance.then({100, 100});
    t.g().app.currentRm = m.from;
    t.platform.takeNewStory();
    EXPECT_EQ(t.g().rooms.ChangeRoom(m.direction), 1);
    EXPECT_EQ(t.g().app.currentRm, m.to);
    const std::string told = t.platform.takeNewStory();
    EXPECT_EQ(told.rfind(std::string(m.message) + t.g().rooms.find(m.to)->desc, 0), 0u) << told;
  }
}

TEST(Walking, ARefusedMoveAppendsNothingAndKeepsTheButtons) {
  TestGame t;
  t.platform.takeNewStory();
  for (int direction : {1, 2, 4, 5, 6, 0, 7})
    EXPECT_EQ(t.g().rooms.ChangeRoom(static_cast<std::uint16_t>(direction)), 0) << direction;
  // A button whose way is closed, made elsewhere, is pressed: nothing happens.
  t.g().window.Window_Main_Create_Choice_Btn(Up, 4, "Go Up");
  t.platform.press("Go Up");
  EXPECT_EQ(t.platform.takeNewStory(), "");
  EXPECT_EQ(t.g().app.currentRm, 6);
  EXPECT_EQ(t.platform.labels(),
            (std::vector<std::string>{"Go East", "Examine Sword", "Take Sword", "Go Up"}));
}

TEST(Walking, TheExitRoomHasNoPromptAndNoButtons) {
  TestGame t({100});  // the Rear Vestibule's monster chance misses on 100
  t.g().app.currentRm = 8;
  t.g().rooms.ChangeRoom(South);
  t.platform.takeNewStory();
  t.platform.press("Go East");
  EXPECT_EQ(t.platform.takeNewStory(),
            "You decide to go east.\n\n" + t.g().rooms.find(11)->desc + "\n");
  EXPECT_TRUE(t.platform.labels().empty());
}

TEST(Walking, InnerHallwayOffersNorthWestUpDown) {
  TestGame t;
  t.g().app.currentRm = 5;
  t.g().window.UpdateHints();
  EXPECT_EQ(t.platform.labels(),
            (std::vector<std::string>{"Go North", "Go West", "Go Up", "Go Down"}));
  std::vector<int> targets;
  for (const auto& shown : t.platform.buttons())
    for (const auto& r : t.g().window.actionRecords())
      if (r.btnGadgetID == shown.id) targets.push_back(r.target);
  EXPECT_EQ(targets, (std::vector<int>{4, 3, 15, 13}));
}

TEST(Walking, DisplayOfAnUnknownRoomShowsNothing) {
  TestGame t;
  t.platform.takeNewStory();
  t.g().rooms.displayRoom("prefix", 42);
  t.g().rooms.GetHints(0);
  EXPECT_EQ(t.platform.takeNewStory(), "");
}

}  // namespace
}  // namespace mordavel
