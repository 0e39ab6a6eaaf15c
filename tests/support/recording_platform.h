// A platform that records what the game does to the screen, and a source
// of chance whose draws the test scripts.
#pragma once

#include <deque>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/chance.h"
#include "app/game.h"
#include "ui/platform.h"

namespace mordavel::testing {

struct ShownButton {
  WidgetId id;
  int row;
  std::string label;
};

class RecordingPlatform : public Platform {
 public:
  void listen(EventHandler handler) override { handler_ = std::move(handler); }
  void openWindow(const std::string& title, const std::string& visitLabel) override;
  void endProgram() override { ended = true; }
  void appendStory(const std::string& text) override { story += text; ++appendCalls; }
  void setStory(const std::string& text) override { story = text; }
  bool showPicture(const std::string& path) override;
  void addActionButton(WidgetId id, int row, const std::string& label) override;
  void removeActionButton(WidgetId id) override;
  void setVisible(WidgetId fixedButton, bool visible) override { visible_[fixedButton] = visible; }
  void openWebAddress(const std::string& address) override { opened.push_back("web " + address); }
  void openDocument(const std::string& path) override { opened.push_back("doc " + path); }

  // Delivers an event the way the window would.
  void send(Event::Kind kind, WidgetId source = widget::None);
  void tick() { send(Event::Kind::Tick); }
  void press(WidgetId source) { send(Event::Kind::Press, source); }
  // Presses the action button with this label; fails the test when there is none.
  void press(const std::string& label);

  // The action buttons on screen, top row first.
  std::vector<ShownButton> buttons() const;
  std::vector<std::string> labels() const;
  bool isVisible(WidgetId fixedButton) const;
  // The story text appended since the last call.
  std::string takeNewStory();

  std::string story;
  int appendCalls = 0;
  bool windowOpen = false;
  std::string title, visitLabel;
  bool ended = false;
  std::vector<std::string> opened;
  std::vector<std::string> pictures;      // every path asked for
  std::string shownPicture;               // what the panel shows
  std::vector<std::string> loadablePictures = {"data/media/img/castle_entrance.jpg"};
  int buttonsAdded = 0, buttonsRemoved = 0;

 private:
  EventHandler handler_;
  std::map<WidgetId, ShownButton> buttons_;
  std::map<WidgetId, bool> visible_;
  std::size_t readUpTo_ = 0;
};

// Draws come from a script; the test fails when the script runs dry. Every
// request (bounds and seed) is recorded so a test can check the order.
class ScriptedChance : public Chance {
 public:
  ScriptedChance() = default;
  explicit ScriptedChance(std::deque<int> draws) : script(std::move(draws)) {}

  std::uint32_t milliseconds() override { return clock; }
  void seed(std::uint32_t value) override { seeds.push_back(value); }
  int Rand(int lo, int hi) override;

  void then(std::initializer_list<int> draws) { script.insert(script.end(), draws); }

  std::deque<int> script;
  std::vector<std::pair<int, int>> requests;
  std::vector<std::uint32_t> seeds;
  std::uint32_t clock = 1234;
};

// A whole game on the recording platform, first game started.
struct TestGame {
  explicit TestGame(std::deque<int> draws = {}, bool start = true);
  RecordingPlatform platform;
  ScriptedChance chance;
  std::unique_ptr<Game> game;
  Game& g() { return *game; }
};

}  // namespace mordavel::testing
