// Story sections and room choices: this game adds none, but a choice added
// to a room becomes a button and a section's paths can be followed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/recording_platform.h"

namespace mordavel {
namespace {

using testing::TestGame;

const std::string kPrompt = "WHAT DO YOU WANT TO DO? ";

TEST(Story, GameAddsNoSectionsAndNoChoices) {
  TestGame t;
  EXPECT_TRUE(t.g().story.sections().empty());
  EXPECT_TRUE(t.g().story.choices().empty());
  const int added = t.platform.buttonsAdded;
  t.platform.takeNewStory();
  for (std::uint16_t room = 0; room <= 20; ++room) EXPECT_EQ(t.g().story.GetChoices(room), 0);
  EXPECT_EQ(t.platform.buttonsAdded, added);
  EXPECT_EQ(t.platform.takeNewStory(), "");
}

TEST(Story, ActiveChoiceComesAfterMovementAndEntityButtonsAndFiresItsTrigger) {
  TestGame t;
  EXPECT_EQ(t.g().story.addChoice(1, "Drink from the fountain", 3, 12, 4, 1), 0);
  t.g().entities.CreateEntityByObjectType(9, 3, "floor", 0, 0, 0);
  t.g().app.currentRm = 3;
  t.g().window.UpdateHints();
  EXPECT_EQ(t.platform.labels(),
            (std::vector<std::string>{"Go North", "Go East", "Go West", "Examine Sword",
                                      "Take Sword", "Drink from the fountain"}));
  t.platform.takeNewStory();
  t.platform.press("Drink from the fountain");
  EXPECT_EQ(t.platform.takeNewStory(),
            "  You take your chances and decide to drink the liquid. \n" + kPrompt);
  // Elsewhere the choice is not offered.
  t.g().app.currentRm = 2;
  t.g().window.UpdateHints();
  EXPECT_EQ(t.platform.labels(), (std::vector<std::string>{"Go North", "Go South", "Go East"}));
}

TEST(Story, InactiveChoiceIsNotOffered) {
  TestGame t;
  t.g().story.addChoice(1, "Drink from the fountain", 3, 12, 4, 0);
  t.g().app.currentRm = 3;
  t.g().window.UpdateHints();
  EXPECT_EQ(t.platform.labels(), (std::vector<std::string>{"Go North", "Go East", "Go West"}));
}

TEST(Story, ChangeSectionFollowsOnlyTheFirstFourPaths) {
  TestGame t;
  auto& story = t.g().story;
  auto& app = t.g().app;
  app.currentSection = 1;
  // Path 2 leads nowhere; path 5 does, but cannot be chosen.
  EXPECT_EQ(story.addSection(1, "At the crossroads. ",
                             {{{2, "take the left road"}, {0, "stay"}, {3, "take the right road"},
                               {4, "turn back"}, {5, "fly away"}, {0, ""}}}),
            0);
  story.addSection(2, "The left road winds into the hills. ", {});
  story.addSection(3, "The right road ends at a river. ", {});
  story.addSection(4, "You are home again. ", {});
  story.addSection(5, "You soar. ", {});
  t.platform.takeNewStory();

  for (std::uint16_t code : {16, 11, 0, 13}) {
    SCOPED_TRACE(code);
    EXPECT_EQ(story.ChangeSection(code, 0), 0);
    EXPECT_EQ(t.platform.takeNewStory(), "");
    EXPECT_EQ(app.currentSection, 1);
  }

  const struct {
    std::uint16_t code, to;
    const char* text;
  } paths[] = {
      {12, 2, "\n\nYou decide to take the left road. The left road winds into the hills. "},
      {14, 3, "\n\nYou decide to take the right road. The right road ends at a river. "},
      {15, 4, "\n\nYou decide to turn back. You are home again. "},
  };
  for (const auto& p : paths) {
    SCOPED_TRACE(p.code);
    app.currentSection = 1;
    EXPECT_EQ(story.ChangeSection(p.code, 0), 1);
    EXPECT_EQ(t.platform.takeNewStory(), p.text + kPrompt);
    EXPECT_EQ(app.currentSection, p.to);
  }
}

TEST(Story, ChangeSectionWithoutTheCurrentSectionDoesNothing) {
  TestGame t;
  t.g().story.addSection(1, "At the crossroads. ", {{{2, "go on"}}});
  t.g().app.currentSection = 7;
  t.platform.takeNewStory();
  EXPECT_EQ(t.g().story.ChangeSection(12, 0), 0);
  EXPECT_EQ(t.platform.takeNewStory(), "");
  EXPECT_EQ(t.g().app.currentSection, 7);
}

TEST(Story, DisplaySectionShowsEverySectionOfThatId) {
  TestGame t;
  t.g().story.addSection(2, "First telling. ", {});
  t.g().story.addSection(2, "Second telling. ", {});
  t.platform.takeNewStory();
  EXPECT_EQ(t.g().story.DisplaySection(2), 0);
  EXPECT_EQ(t.platform.takeNewStory(), "First telling. " + kPrompt + "Second telling. " + kPrompt);
  EXPECT_EQ(t.g().story.DisplaySection(9), 0);
  EXPECT_EQ(t.platform.takeNewStory(), "");
}

}  // namespace
}  // namespace mordavel
