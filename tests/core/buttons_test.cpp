// The pool of action buttons, the window's geometry and the openers.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/recording_platform.h"
#include "ui/layout.h"

namespace mordavel {
namespace {

using testing::TestGame;

TEST(ActionButtons, ANinthRequestIsDroppedSilently) {
  TestGame t;
  auto& window = t.g().window;
  window.Window_Main_Clear_Choice_Btns();
  for (int i = 0; i < 8; ++i)
    EXPECT_EQ(window.Window_Main_Create_Choice_Btn(7, i, "Button " + std::to_string(i)), i);
  t.platform.takeNewStory();
  EXPECT_EQ(window.Window_Main_Create_Choice_Btn(7, 9, "Button 8"), 255);
  EXPECT_EQ(window.ChoiceBtnNum, 8);
  ASSERT_EQ(t.platform.buttons().size(), 8u);
  EXPECT_EQ(t.platform.buttons().back().label, "Button 7");
  EXPECT_EQ(t.platform.takeNewStory(), "");
}

TEST(ActionButtons, RowsStartAgainAtZeroAfterARebuild) {
  TestGame t;
  auto& window = t.g().window;
  window.Window_Main_Create_Choice_Btn(7, 1, "Extra");  // row 3
  window.UpdateHints();
  std::vector<int> rows;
  for (const auto& b : t.platform.buttons()) rows.push_back(b.row);
  EXPECT_EQ(rows, (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(window.ChoiceBtnNum, 3);
  window.Window_Main_Clear_Choice_Btns();
  window.Window_Main_Clear_Choice_Btns();  // clearing nothing changes nothing
  EXPECT_TRUE(t.platform.buttons().empty());
  EXPECT_EQ(window.ChoiceBtnNum, 0);
}

TEST(ActionButtons, TwoButtonsWithOneLabelCarryTheirOwnTargets) {
  TestGame t;
  auto& window = t.g().window;
  window.Window_Main_Clear_Choice_Btns();
  window.Window_Main_Create_Choice_Btn(7, 4, "Examine");
  window.Window_Main_Create_Choice_Btn(7, 5, "Examine");
  t.platform.takeNewStory();
  t.platform.press(t.platform.buttons()[1].id);
  EXPECT_EQ(t.platform.takeNewStory().rfind("\n\nYou decide to examine the Axe.", 0), 0u);
}

TEST(ActionButtons, APressOfAFreedOrUnknownWidgetDoesNothing) {
  TestGame t;
  const WidgetId old = t.platform.buttons().front().id;
  t.g().window.UpdateHints();
  t.platform.takeNewStory();
  t.platform.press(old);
  t.platform.press(WidgetId{99999});
  EXPECT_EQ(t.platform.takeNewStory(), "");
  EXPECT_EQ(t.g().app.currentRm, 6);
}

TEST(Openers, VisitAndInstructionsOpenWithoutTouchingTheStory) {
  TestGame t;
  const std::string before = t.platform.story;
  t.platform.press(widget::VisitURLBtn);
  t.platform.press(widget::InstructionBtn);
  const auto doc = std::filesystem::current_path() / "Mordavel_Readme.pdf";
  EXPECT_EQ(t.platform.opened,
            (std::vector<std::string>{"web " + kMakerWebAddress, "doc " + doc.string()}));
  EXPECT_EQ(t.platform.story, before);
}

TEST(Layout, An800By600ClientPutsEveryWidgetInItsPlace) {
  const WindowLayout l = layoutFor(800, 600, 384);
  auto box = [](Box b) { return std::vector<int>{b.x, b.y, b.w, b.h}; };
  EXPECT_EQ(box(l.story), (std::vector<int>{4, 4, 396, 596}));
  EXPECT_EQ(box(l.picture), (std::vector<int>{404, 4, 384, 264}));
  EXPECT_EQ(box(l.visit), (std::vector<int>{404, 544, 192, 28}));
  EXPECT_EQ(box(l.instructions), (std::vector<int>{596, 544, 192, 28}));
  EXPECT_EQ(box(l.consume), (std::vector<int>{404, 514, 128, 28}));
  EXPECT_EQ(box(l.stats), (std::vector<int>{532, 514, 128, 28}));
  EXPECT_EQ(box(l.inventory), (std::vector<int>{660, 514, 128, 28}));
  EXPECT_EQ(box(l.restart), (std::vector<int>{532, 484, 128, 28}));
  const int rowY[] = {304, 334, 364, 394, 424, 454, 484, 514};
  for (int row = 0; row < 8; ++row)
    EXPECT_EQ(box(actionButtonBox(800, 600, 384, row)), (std::vector<int>{404, rowY[row], 384, 28}));
}

}  // namespace
}  // namespace mordavel
