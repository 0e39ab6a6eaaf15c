// Small helpers for the trigger, command and whole-game tests: playing a
// step with its draws, putting the player somewhere, and the game's fixed
// texts that many expectations are built from.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/main_app.h"
#include "support/recording_platform.h"

namespace mordavel::testing {

inline const std::string kPrompt = "WHAT DO YOU WANT TO DO? ";

inline std::string roomDesc(TestGame& t, int room) {
  const t_room* r = t.g().rooms.find(room);
  EXPECT_NE(r, nullptr) << "no room " << room;
  return r ? r->desc : std::string();
}

// Presses the action button with this label with exactly these draws
// scripted. A timer tick comes first, as it always does before a player can
// press anything: it clears away what the last press marked dead and
// rebuilds the buttons. No tick follows, so a test can look at the state
// the press left behind.
inline void play(TestGame& t, const std::string& label, const std::vector<int>& draws = {}) {
  SCOPED_TRACE("pressing \"" + label + "\"");
  t.platform.tick();
  t.chance.script.insert(t.chance.script.end(), draws.begin(), draws.end());
  t.platform.press(label);
  EXPECT_TRUE(t.chance.script.empty()) << t.chance.script.size() << " scripted draws unused";
}

// Puts the player's figure in a room and offers that room's buttons, as if
// the player had just walked in (without the entry triggers or the display).
inline void placePlayer(TestGame& t, std::uint16_t room) {
  t.g().app.currentRm = room;
  t.g().entities.setRoomNum(t.g().app.localPlayerID, room);
  t.g().window.UpdateHints();
}

inline std::string deathText(int score) {
  return "You have died. Your final score is " + std::to_string(score) +
         ". Thanks for playing. Please visit " + kMakerWebAddress +
         " for more games\n\nGAME OVER\n\n";
}

inline std::string exitText(int score) {
  return "YOU'VE DONE IT!! That was the exit from the Castle. YOU HAVE SUCCEEDED. You managed "
         "to get out of the Castle. WELL DONE!\n\nCongratulations! You have completed the "
         "game. Your final score is " +
         std::to_string(score) +
         ". Thanks for playing! Gameplay, other than the map, is auto-generated and different "
         "each time you play. So please play again. Please visit " +
         kMakerWebAddress + " for more games and information.\n\nGAME OVER\n";
}

}  // namespace mordavel::testing
