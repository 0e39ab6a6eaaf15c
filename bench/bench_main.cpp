// How much the game costs per event, measured side by side in one run.
//
// The timer delivers a hundred events a second even when the player does
// nothing, so an idle tick must stay tiny next to a real turn. Prints each
// cost and its ratio to the idle tick; absolute figures vary with the
// machine, the ratios much less.
//
//   build/mordavel_bench
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

#include "app/game.h"

namespace {

using namespace mordavel;

// A screen that shows nothing, so only the game's own work is measured.
class NullPlatform : public Platform {
 public:
  void listen(EventHandler h) override { handler = std::move(h); }
  void openWindow(const std::string&, const std::string&) override {}
  void endProgram() override {}
  void appendStory(const std::string& text) override { length += text.size(); }
  void setStory(const std::string&) override {}
  bool showPicture(const std::string&) override { return false; }
  void addActionButton(WidgetId id, int, const std::string&) override { lastButton = id; }
  void removeActionButton(WidgetId) override {}
  void setVisible(WidgetId, bool) override {}
  void openWebAddress(const std::string&) override {}
  void openDocument(const std::string&) override {}
  EventHandler handler;
  std::size_t length = 0;
  WidgetId lastButton = 0;
};

double nanosPer(int rounds, const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < rounds; ++i) work();
  const auto end = std::chrono::steady_clock::now();
  return std::chrono::duration<double, std::nano>(end - start).count() / rounds;
}

}  // namespace

int main() {
  NullPlatform platform;
  Chance chance;
  Game game(platform, chance);
  game.app.Init();

  const double idle = nanosPer(200000, [&] { platform.handler(Event{Event::Kind::Tick, 0}); });
  const double rebuild = nanosPer(20000, [&] { game.window.UpdateHints(); });
  const double newGame = nanosPer(2000, [&] {
    game.app.DoGameOver("died");
    game.app.Restart();
  });

  std::printf("%-34s %12s %10s\n", "event", "ns each", "x idle");
  auto row = [&](const char* what, double ns) {
    std::printf("%-34s %12.0f %10.1f\n", what, ns, ns / idle);
  };
  row("idle timer tick", idle);
  row("rebuild of the action buttons", rebuild);
  row("game over and restart", newGame);
  return 0;
}
