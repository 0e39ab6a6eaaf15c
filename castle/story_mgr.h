// Branching story sections and room choices. This game adds none, but the
// machinery works: a choice offered in a room becomes an action button.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace mordavel {

class Game;

struct TStorySection {
  struct Path {
    std::uint16_t id = 0;  // 0: no path
    std::string text;
  };
  std::uint16_t id = 0;
  std::string desc;
  std::array<Path, 6> paths;  // paths 5 and 6 are stored but never followed
};

struct TChoice {
  std::uint16_t id = 0;
  std::string desc;
  std::uint16_t roomNum = 0;
  std::uint16_t actionItem = 0;
  std::int32_t actionValue = 0;
  std::uint8_t isActive = 0;
};

class TStoryMgr {
 public:
  explicit TStoryMgr(Game& game);

  int addSection(std::uint16_t id, const std::string& desc,
                 const std::array<TStorySection::Path, 6>& paths);
  int addChoice(std::uint16_t id, const std::string& desc, std::uint16_t roomNum,
                std::uint16_t actionItem, std::int32_t actionValue, std::uint8_t isActive);
  int GetChoices(std::uint16_t roomNum);
  std::uint8_t ChangeSection(std::uint16_t pathCode, std::uint16_t ignored = 0);
  int DisplaySection(std::uint16_t id);

  const std::vector<TStorySection>& sections() const { return sections_; }
  const std::vector<TChoice>& choices() const { return choices_; }

 private:
  Game& game_;
  std::vector<TStorySection> sections_;
  std::vector<TChoice> choices_;
};

}  // namespace mordavel
