#include "holdings/player_mgr.h"

#include "app/game.h"

namespace mordavel {

TPlayerMgr::TPlayerMgr(Game& game) : game_(game) { Init(); }

int TPlayerMgr::Init() {
  NumPlayers = 0;
  AddPlayer(0, "Player", 1);
  AddPlayer(0, "Computer", 2);
  return 0;
}

int TPlayerMgr::Reset() {
  players_.clear();
  return Init();
}

int TPlayerMgr::AddPlayer(std::int32_t id, const std::string& name, std::int32_t teamID) {
  ++NumPlayers;
  players_.push_back(TPlayer{id != 0 ? id : NumPlayers, name, 0, 0, teamID});
  return 0;
}

TPlayer* TPlayerMgr::find(std::int32_t id) {
  for (TPlayer& p : players_)
    if (p.id == id) return &p;
  return nullptr;
}

std::int32_t TPlayerMgr::GetScore(std::int32_t id) const {
  for (const TPlayer& p : players_)
    if (p.id == id) return p.score;
  return 0;
}

std::uint8_t TPlayerMgr::AddFrag(std::int32_t id, std::int32_t n) {
  TPlayer* p = find(id);
  if (p == nullptr) return 0;
  p->nFrags += n;
  return 1;
}

std::uint8_t TPlayerMgr::AddScore(std::int32_t id, std::int32_t n) {
  TPlayer* p = find(id);
  if (p == nullptr) return 0;
  p->score += n;
  return 1;
}

int TPlayerMgr::CalcScores() {
  for (TPlayer& p : players_) {
    p.score += 30 * p.nFrags;
    p.score += game_.inventory.CalcScorePoints(p.id);
  }
  return 0;
}

}  // namespace mordavel
