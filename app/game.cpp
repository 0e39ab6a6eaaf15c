#include "app/game.h"

namespace mordavel {

namespace {
Chance& seededFromClock(Chance& chance) {
  chance.reseedFromClock();
  return chance;
}
}  // namespace

Game::Game(Platform& platform_, Chance& chance_)
    : platform(platform_),
      chance(seededFromClock(chance_)),
      window(*this),
      triggers(*this),
      story(*this),
      rooms(*this),
      weapons(),
      armors(),
      objectTypes(*this),
      inventory(*this),
      entities(*this),
      players(*this),
      app(*this) {}

}  // namespace mordavel
