// The application object: starts games, handles every event, ends games.
#pragma once

#include <cstdint>
#include <string>

#include "ui/platform.h"

namespace mordavel {

class Game;

inline const std::string kAppTitle = "Mordavel, v1.0";
// The maker's web site: the visit button opens it and the game-over texts
// name it.
inline const std::string kMakerSiteName = "mordavel.example.org";
inline const std::string kMakerWebAddress = "https://" + kMakerSiteName;
inline const std::string kInstructionsDocument = "Mordavel_Readme.pdf";

class MainAPP {
 public:
  explicit MainAPP(Game& game);  // New: timer, event hook, window

  int Init();  // starts a game
  int displayWhatNow();
  int OnEvent(const Event& event);
  int DoGameOver(const std::string& reason);
  // The "Restart Game" command: every manager back to a new game's state.
  void Restart();

  std::uint16_t currentRm = 0;
  std::uint16_t currentSection = 0;
  std::string storyIntro;
  std::int32_t localPlayerID = 0;
  std::uint8_t playerDead = 0;
  // A game ends once, even when the death and the exit are found together.
  bool gameEnded = false;

 private:
  Game& game_;
};

}  // namespace mordavel
