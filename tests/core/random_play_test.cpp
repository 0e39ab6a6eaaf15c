// Many whole games played by pressing whatever button is on screen, with
// real seeded dice: after every event the game must still hang together.
#include <gtest/gtest.h>

#include <random>
#include <set>

#include "support/recording_platform.h"

namespace mordavel {
namespace {

using testing::RecordingPlatform;

// Real dice, seeded by the test, and a clock that moves on with every
// reading so fights are not all seeded alike.
class SeededChance : public Chance {
 public:
  explicit SeededChance(std::uint32_t seed) : clock_(seed) {}
  std::uint32_t milliseconds() override { return clock_ += 7; }

 private:
  std::uint32_t clock_;
};

void expectConsistent(Game& g, RecordingPlatform& p) {
  // Every button on screen belongs to exactly one record in use, and back.
  const auto shown = p.buttons();
  ASSERT_LE(shown.size(), 8u);
  EXPECT_EQ(shown.size(), g.window.ChoiceBtnNum);
  std::set<WidgetId> inUse;
  for (const auto& r : g.window.actionRecords())
    if (r.btnGadgetID != widget::None) inUse.insert(r.btnGadgetID);
  std::set<WidgetId> onScreen;
  for (std::size_t row = 0; row < shown.size(); ++row) {
    EXPECT_EQ(shown[row].row, static_cast<int>(row));
    onScreen.insert(shown[row].id);
  }
  EXPECT_EQ(onScreen, inUse);

  std::set<std::int32_t> ids;
  for (const auto& e : g.entities.entities()) {
    EXPECT_TRUE(ids.insert(e.id).second) << "entity id used twice: " << e.id;
    EXPECT_GE(e.hp, 0) << e.name;
    EXPECT_LE(e.hp, 7) << e.name;
  }
  for (const auto& line : g.inventory.lines()) EXPECT_GE(line.qty, 0);

  // Between games only the restart and the two openers can be pressed.
  const bool over = p.isVisible(widget::RestartGameBtn);
  EXPECT_EQ(over, g.app.gameEnded);
  EXPECT_NE(over, p.isVisible(widget::ConsumeBtn));
  if (over) EXPECT_TRUE(shown.empty());
}

TEST(RandomPlay, ThousandsOfPressesKeepTheGameWhole) {
  int endings = 0;
  for (std::uint32_t seed = 1; seed <= 60; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    RecordingPlatform platform;
    SeededChance chance(seed);
    Game game(platform, chance);
    game.app.Init();
    std::mt19937 pick(seed);
    std::size_t storyLength = platform.story.size();
    const std::string opening = platform.story;

    for (int turn = 0; turn < 400; ++turn) {
      platform.tick();
      std::vector<WidgetId> pressable;
      for (const auto& b : platform.buttons()) pressable.push_back(b.id);
      for (WidgetId w : {widget::ConsumeBtn, widget::StatsBtn, widget::InventoryBtn,
                         widget::RestartGameBtn})
        if (platform.isVisible(w)) pressable.push_back(w);
      const WidgetId w = pressable[pick() % pressable.size()];
      if (w == widget::RestartGameBtn) ++endings;
      platform.press(w);

      ASSERT_GE(platform.story.size(), storyLength) << "the story only grows";
      EXPECT_EQ(platform.story.compare(0, opening.size(), opening), 0);
      storyLength = platform.story.size();
      expectConsistent(game, platform);
      if (::testing::Test::HasFailure()) return;
    }
  }
  EXPECT_GT(endings, 0) << "no game was played to its end";
}

}  // namespace
}  // namespace mordavel
