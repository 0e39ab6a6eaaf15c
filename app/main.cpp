// Mordavel: start-up, then the event loop until the window is closed.
#include <FL/Fl.H>

#include "app/chance.h"
#include "app/game.h"
#include "ui/fltk_window.h"

int main() {
  mordavel::FltkPlatform platform;
  mordavel::Chance chance;
  // Builds every manager in order and opens the window.
  mordavel::Game game(platform, chance);
  game.app.Init();
  Fl::run();
  return 0;
}
