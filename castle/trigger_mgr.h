// The castle's scripted events: narrations on first entry, monsters that
// wake, chances of treasure and wandering monsters, spider bites and ghosts.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace mordavel {

class Game;

struct TTrigger {
  std::uint16_t id = 0;
  std::uint16_t roomNum = 0;
  std::uint16_t category = 0;
  std::int32_t target = 0;
  std::int32_t targetValue = 0;
  std::uint8_t isEnabled = 0;
  std::uint8_t isPersistent = 0;
  std::uint8_t isEntryTrigger = 0;
  std::string StoryText;
};

// What a trigger does, by category.
namespace trigger {
constexpr std::uint16_t Narration = 1;
constexpr std::uint16_t OpenPathway = 8;
constexpr std::uint16_t Chain = 10;
constexpr std::uint16_t Alert = 11;
constexpr std::uint16_t TreasureChance = 12;
constexpr std::uint16_t MonsterChance = 13;
constexpr std::uint16_t Hurt = 14;
}  // namespace trigger

class TTriggerMgr {
 public:
  explicit TTriggerMgr(Game& game);  // New

  int Init();
  int addTrigger(std::uint16_t id, std::uint16_t roomNum, std::uint16_t category,
                 std::int32_t target, std::int32_t targetValue, std::uint8_t isEnabled,
                 std::uint8_t isPersistent, std::uint8_t isEntryTrigger,
                 const std::string& StoryText);
  int Reset();
  int Activate(std::uint16_t id);
  int Disable(std::uint16_t id);
  int checkRoomEntrance(std::uint16_t roomNum);

  const std::vector<TTrigger>& triggers() const { return triggers_; }

 private:
  void perform(std::size_t index);
  void hurtPlayer(std::int32_t cause);
  Game& game_;
  std::vector<TTrigger> triggers_;
  // Ids being activated further up the current chain: a chain that leads
  // back to one of them stops there instead of running for ever.
  std::vector<std::uint16_t> activating_;
};

}  // namespace mordavel
