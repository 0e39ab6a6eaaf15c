// The game: one instance of every manager, built in start-up order.
//
// The members are declared in the order the game must create them, so C++
// constructs them in that order: the catalogues and the inventory exist
// before the entity manager populates the castle, and the window opens only
// when the application object is built, after every table exists.
#pragma once

#include "app/chance.h"
#include "app/main_app.h"
#include "castle/room_mgr.h"
#include "castle/story_mgr.h"
#include "castle/trigger_mgr.h"
#include "catalogue/armor_type_mgr.h"
#include "catalogue/object_type_mgr.h"
#include "catalogue/weapon_type_mgr.h"
#include "entities/entity_mgr.h"
#include "holdings/inventory_mgr.h"
#include "holdings/player_mgr.h"
#include "ui/platform.h"
#include "ui/window_mgr.h"

namespace mordavel {

class Game {
 public:
  // Runs the start-up sequence up to and including the opening of the
  // window. The first game begins with app.Init().
  Game(Platform& platform, Chance& chance);
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  Platform& platform;
  Chance& chance;  // seeded from the clock before any manager exists

  TWindowMgr window;
  TTriggerMgr triggers;
  TStoryMgr story;
  t_RoomMgr rooms;
  TWeaponTypeMgr weapons;
  TArmorTypeMgr armors;
  TObjectTypeMgr objectTypes;
  TInventoryMgr inventory;
  t_EntityMgr entities;
  TPlayerMgr players;
  MainAPP app;

  // Shorthand used all over the rules.
  int Rand(int lo, int hi) { return chance.Rand(lo, hi); }
  void say(const std::string& text) { window.AppendStoryArea(text); }
};

}  // namespace mordavel
