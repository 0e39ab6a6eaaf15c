// Starting the program and the first game; the event loop's idle ticks.
#include <gtest/gtest.h>

#include "support/recording_platform.h"

namespace mordavel {
namespace {

using testing::TestGame;

TEST(StartUp, OpensTheWindowWithTitleAndFixedButtonsBeforeAnyText) {
  TestGame t({}, /*start=*/false);
  EXPECT_TRUE(t.platform.windowOpen);
  EXPECT_EQ(t.platform.title, "Mordavel, v1.0");
  EXPECT_EQ(t.platform.visitLabel, "Visit " + kMakerSiteName);
  EXPECT_EQ(t.platform.story, "") << "no constructor writes to the story area";
  for (WidgetId w : {widget::VisitURLBtn, widget::InstructionBtn, widget::ConsumeBtn,
                     widget::StatsBtn, widget::InventoryBtn})
    EXPECT_TRUE(t.platform.isVisible(w)) << w;
  EXPECT_FALSE(t.platform.isVisible(widget::RestartGameBtn));
  EXPECT_EQ(t.chance.seeds, std::vector<std::uint32_t>{t.chance.clock})
      << "seeded once from the clock";
}

TEST(StartUp, FirstGameTellsTitleIntroductionEntranceAndPrompt) {
  TestGame t;
  const std::string& story = t.platform.story;
  const std::string intro = t.g().app.storyIntro;

  EXPECT_EQ(intro.rfind("\n\nGAME INTRODUCTION\n\n", 0), 0u);
  const auto storyHeading = intro.find("\n\nSTORY INTRODUCTION\n\n");
  ASSERT_NE(storyHeading, std::string::npos);
  const std::string ending = "\n\nAnd so your adventure begins...\n";
  ASSERT_GE(intro.size(), ending.size());
  EXPECT_EQ(intro.substr(intro.size() - ending.size()), ending);
  // Four story paragraphs, each opened by two spaces.
  const std::string tale = intro.substr(storyHeading, intro.size() - ending.size() - storyHeading);
  int paragraphs = 0;
  for (std::size_t at = tale.find("\n\n  "); at != std::string::npos; at = tale.find("\n\n  ", at + 1))
    ++paragraphs;
  EXPECT_EQ(paragraphs, 4);
  EXPECT_GT(intro.size(), 1500u);
  EXPECT_LT(intro.size(), 2200u);

  const std::string entrance = t.g().rooms.find(6)->desc;
  EXPECT_EQ(story, "Mordavel, v1.0" + intro + entrance +
                       "  There is a Sword on the ground. \n\n" + "WHAT DO YOU WANT TO DO? ");
  EXPECT_EQ(t.platform.shownPicture, "data/media/img/castle_entrance.jpg");
  EXPECT_EQ(t.platform.labels(), (std::vector<std::string>{"Go East", "Examine Sword", "Take Sword"}));
}

TEST(StartUp, RoomDescriptionsOpenWithTwoSpacesAndCloseWithANewline) {
  TestGame t;
  for (const t_room& room : t.g().rooms.rooms()) {
    SCOPED_TRACE(room.name);
    ASSERT_FALSE(room.desc.empty());
    EXPECT_EQ(room.desc.back(), '\n');
    if (room.id != 11) {
      EXPECT_EQ(room.desc.rfind("  ", 0), 0u);
    }
    EXPECT_EQ(room.desc.find("\n"), room.desc.size() - 1) << "one paragraph";
  }
  EXPECT_EQ(t.g().rooms.find(11)->desc,
            "YOU'VE DONE IT!! That was the exit from the Castle. YOU HAVE SUCCEEDED. You managed "
            "to get out of the Castle. WELL DONE!\n");
}

TEST(EventLoop, IdleTicksChangeNothing) {
  TestGame t;
  const std::string before = t.platform.story;
  const int added = t.platform.buttonsAdded, removed = t.platform.buttonsRemoved;
  for (int i = 0; i < 100; ++i) t.platform.tick();
  EXPECT_EQ(t.platform.story, before);
  EXPECT_EQ(t.platform.buttonsAdded, added);
  EXPECT_EQ(t.platform.buttonsRemoved, removed);
  EXPECT_FALSE(t.platform.ended);
}

TEST(EventLoop, ClosingTheWindowEndsTheProgramAtOnce) {
  TestGame t;
  t.platform.press("Go East");
  t.platform.send(Event::Kind::Close);
  EXPECT_TRUE(t.platform.ended);
}

TEST(EventLoop, PicturesThatDoNotLoadKeepThePanelAndSayNothing) {
  TestGame t;
  t.platform.takeNewStory();
  for (const char* path : {"data/media/img/", "data/media/img/missing.jpg", ""}) {
    SCOPED_TRACE(path);
    t.g().window.ChangeStoryImage(path);
    EXPECT_EQ(t.platform.shownPicture, "data/media/img/castle_entrance.jpg");
    EXPECT_EQ(t.platform.takeNewStory(), "");
  }
}

TEST(StoryArea, AppendingNothingCallsNothingAndTextContinuesTheLine) {
  TestGame t;
  const int calls = t.platform.appendCalls;
  t.g().window.AppendStoryArea("");
  EXPECT_EQ(t.platform.appendCalls, calls);
  t.platform.takeNewStory();
  t.g().window.AppendStoryArea("Take ");
  t.g().window.AppendStoryArea("Sword\n");
  EXPECT_EQ(t.platform.takeNewStory(), "Take Sword\n");
}

}  // namespace
}  // namespace mordavel
