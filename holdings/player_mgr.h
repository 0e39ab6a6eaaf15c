// The two sides of the game, their kills and their scores.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace mordavel {

class Game;

struct TPlayer {
  std::int32_t id = 0;
  std::string name;
  std::int32_t nFrags = 0;
  std::int32_t score = 0;
  std::int32_t teamID = 0;
};

class TPlayerMgr {
 public:
  explicit TPlayerMgr(Game& game);

  int Init();
  int Reset();
  int AddPlayer(std::int32_t id, const std::string& name, std::int32_t teamID);
  std::int32_t GetScore(std::int32_t id) const;
  std::uint8_t AddFrag(std::int32_t id, std::int32_t n);
  std::uint8_t AddScore(std::int32_t id, std::int32_t n);
  int CalcScores();

  const std::vector<TPlayer>& players() const { return players_; }
  std::int32_t NumPlayers = 0;

 private:
  TPlayer* find(std::int32_t id);
  Game& game_;
  std::vector<TPlayer> players_;
};

}  // namespace mordavel
