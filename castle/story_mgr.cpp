#include "castle/story_mgr.h"

#include "app/game.h"

namespace mordavel {

TStoryMgr::TStoryMgr(Game& game) : game_(game) {}

int TStoryMgr::addSection(std::uint16_t id, const std::string& desc,
                          const std::array<TStorySection::Path, 6>& paths) {
  sections_.push_back(TStorySection{id, desc, paths});
  return 0;
}

int TStoryMgr::addChoice(std::uint16_t id, const std::string& desc, std::uint16_t roomNum,
                         std::uint16_t actionItem, std::int32_t actionValue,
                         std::uint8_t isActive) {
  choices_.push_back(TChoice{id, desc, roomNum, actionItem, actionValue, isActive});
  return 0;
}

int TStoryMgr::GetChoices(std::uint16_t roomNum) {
  for (const TChoice& c : choices_)
    if (c.roomNum == roomNum && c.isActive == 1)
      game_.window.Window_Main_Create_Choice_Btn(c.actionItem, c.actionValue, c.desc);
  return 0;
}

std::uint8_t TStoryMgr::ChangeSection(std::uint16_t pathCode, std::uint16_t) {
  // Path codes 12..15 select paths 1..4; paths 5 and 6 cannot be chosen.
  if (pathCode < 12 || pathCode > 15) return 0;
  for (const TStorySection& section : sections_) {
    if (section.id != game_.app.currentSection) continue;
    const TStorySection::Path path = section.paths[pathCode - 12];
    if (path.id == 0) return 0;
    game_.say("\n\nYou decide to " + path.text + ". ");
    game_.app.currentSection = path.id;
    DisplaySection(path.id);
    return 1;
  }
  return 0;
}

int TStoryMgr::DisplaySection(std::uint16_t id) {
  for (std::size_t i = 0; i < sections_.size(); ++i) {
    if (sections_[i].id != id) continue;
    game_.say(sections_[i].desc);
    game_.app.displayWhatNow();
  }
  return 0;
}

}  // namespace mordavel
