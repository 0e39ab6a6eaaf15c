// The nineteen rooms of the castle and the player's moves between them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace mordavel {

class Game;

struct t_room {
  std::int32_t id = 0;
  std::int32_t n = 0, s = 0, e = 0, w = 0, u = 0;  // 0: no exit that way
  std::uint16_t d = 0;
  std::string imgFn;
  std::string desc;
  std::string name;
};

// Direction codes, also the categories of the movement buttons.
enum Direction : std::uint16_t { North = 1, South = 2, East = 3, West = 4, Up = 5, Down = 6 };

class t_RoomMgr {
 public:
  explicit t_RoomMgr(Game& game);  // New

  int Init();
  int addRoom(std::uint16_t id, std::uint16_t n, std::uint16_t s, std::uint16_t e,
              std::uint16_t w, std::uint16_t u, std::uint16_t d, const std::string& imgFn,
              const std::string& name, const std::string& desc);
  int Reset();
  int displayRoom(const std::string& prefix, std::uint16_t roomNum);
  int GetHints(std::uint16_t roomNum);
  std::uint8_t ChangeRoom(std::uint16_t direction);
  int EnablePathway(std::uint16_t roomNum, std::uint16_t destination, std::int32_t direction);

  const std::vector<t_room>& rooms() const { return rooms_; }
  const t_room* find(std::int32_t roomNum) const;

 private:
  t_room* findMutable(std::int32_t roomNum);
  Game& game_;
  std::vector<t_room> rooms_;
};

}  // namespace mordavel
