#include "support/recording_platform.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace mordavel::testing {

void RecordingPlatform::openWindow(const std::string& t, const std::string& v) {
  windowOpen = true;
  title = t;
  visitLabel = v;
  for (WidgetId w : {widget::VisitURLBtn, widget::InstructionBtn, widget::ConsumeBtn,
                     widget::StatsBtn, widget::InventoryBtn})
    visible_[w] = true;
  visible_[widget::RestartGameBtn] = false;
}

bool RecordingPlatform::showPicture(const std::string& path) {
  pictures.push_back(path);
  if (std::find(loadablePictures.begin(), loadablePictures.end(), path) == loadablePictures.end())
    return false;
  shownPicture = path;
  return true;
}

void RecordingPlatform::addActionButton(WidgetId id, int row, const std::string& label) {
  EXPECT_EQ(buttons_.count(id), 0u) << "button id used twice: " << id;
  buttons_[id] = {id, row, label};
  ++buttonsAdded;
}

void RecordingPlatform::removeActionButton(WidgetId id) {
  EXPECT_EQ(buttons_.erase(id), 1u) << "removing a button that is not there: " << id;
  ++buttonsRemoved;
}

void RecordingPlatform::send(Event::Kind kind, WidgetId source) {
  ASSERT_TRUE(handler_) << "the game never listened for events";
  handler_(Event{kind, source});
}

void RecordingPlatform::press(const std::string& label) {
  for (const auto& b : buttons())
    if (b.label == label) return press(b.id);
  ADD_FAILURE() << "no action button labelled \"" << label << "\"";
}

std::vector<ShownButton> RecordingPlatform::buttons() const {
  std::vector<ShownButton> out;
  for (const auto& [id, b] : buttons_) out.push_back(b);
  std::sort(out.begin(), out.end(), [](const ShownButton& a, const ShownButton& b) {
    return a.row < b.row;
  });
  return out;
}

std::vector<std::string> RecordingPlatform::labels() const {
  std::vector<std::string> out;
  for (const auto& b : buttons()) out.push_back(b.label);
  return out;
}

bool RecordingPlatform::isVisible(WidgetId w) const {
  auto it = visible_.find(w);
  return it != visible_.end() && it->second;
}

std::string RecordingPlatform::takeNewStory() {
  std::string out = story.substr(std::min(readUpTo_, story.size()));
  readUpTo_ = story.size();
  return out;
}

int ScriptedChance::Rand(int lo, int hi) {
  requests.emplace_back(lo, hi);
  if (script.empty()) {
    ADD_FAILURE() << "an unscripted draw: Rand(" << lo << ", " << hi << ")";
    return std::min(lo, hi);
  }
  int r = script.front();
  script.pop_front();
  EXPECT_GE(r, std::min(lo, hi)) << "scripted draw below Rand(" << lo << ", " << hi << ")";
  EXPECT_LE(r, std::max(lo, hi)) << "scripted draw above Rand(" << lo << ", " << hi << ")";
  return r;
}

TestGame::TestGame(std::deque<int> draws, bool start) : chance(std::move(draws)) {
  game = std::make_unique<Game>(platform, chance);
  if (start) game->app.Init();
}

}  // namespace mordavel::testing
