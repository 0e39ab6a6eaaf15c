#include "ui/window_mgr.h"

#include <filesystem>
#include <system_error>

#include "app/game.h"

namespace mordavel {

TWindowMgr::TWindowMgr(Game& game) : game_(game) {
  // One record more than the most buttons at once.
  ActionData_.resize(static_cast<std::size_t>(ChoiceBtnMAX) + 1);
}

int TWindowMgr::Open_Window_Main_Choose() {
  game_.platform.openWindow(kAppTitle, "Visit " + kMakerSiteName);
  return 0;
}

int TWindowMgr::SetStoryArea(const std::string& text) {
  game_.platform.setStory(text);
  return 0;
}

int TWindowMgr::AppendStoryArea(const std::string& text) {
  if (!text.empty()) game_.platform.appendStory(text);
  return 0;
}

int TWindowMgr::ChangeStoryImage(const std::string& path) {
  game_.platform.showPicture(path);
  return 0;
}

int TWindowMgr::Hide(WidgetId w) {
  if (w != widget::None) game_.platform.setVisible(w, false);
  return 0;
}

int TWindowMgr::Show(WidgetId w) {
  if (w != widget::None) game_.platform.setVisible(w, true);
  return 0;
}

std::uint8_t TWindowMgr::Window_Main_Create_Choice_Btn(std::uint16_t category,
                                                       std::int32_t target,
                                                       const std::string& label) {
  if (ChoiceBtnNum >= ChoiceBtnMAX) return 255;
  for (TActionData& record : ActionData_) {
    if (record.btnGadgetID != widget::None) continue;
    record.btnGadgetID = nextButtonId_++;
    record.category = category;
    record.target = target;
    game_.platform.addActionButton(record.btnGadgetID, ChoiceBtnNum, label);
    ++ChoiceBtnNum;
    return static_cast<std::uint8_t>(ChoiceBtnNum - 1);
  }
  return 255;
}

int TWindowMgr::Window_Main_Clear_Choice_Btns() {
  for (TActionData& record : ActionData_) {
    if (record.btnGadgetID == widget::None) continue;
    game_.platform.removeActionButton(record.btnGadgetID);
    record.btnGadgetID = widget::None;
  }
  ChoiceBtnNum = 0;
  return 0;
}

int TWindowMgr::UpdateHints() {
  const std::uint16_t room = game_.app.currentRm;
  Window_Main_Clear_Choice_Btns();
  game_.rooms.GetHints(room);
  game_.entities.getHints(room);
  game_.story.GetChoices(room);
  return 0;
}

int TWindowMgr::CheckBtnClick(WidgetId source) {
  switch (source) {
    case widget::VisitURLBtn:
      game_.platform.openWebAddress(kMakerWebAddress);
      return 0;
    case widget::InstructionBtn: {
      std::error_code ec;
      auto path = std::filesystem::absolute(kInstructionsDocument, ec);
      game_.platform.openDocument(ec ? kInstructionsDocument : path.string());
      return 0;
    }
    case widget::InventoryBtn:
      ShowInventoryCommand();
      return 0;
    case widget::RestartGameBtn:
      game_.app.Restart();
      return 0;
    case widget::ConsumeBtn:
      ConsumeCommand();
      return 0;
    case widget::StatsBtn:
      ShowStatsCommand();
      return 0;
    default:
      break;
  }
  if (source == widget::None || ChoiceBtnNum == 0) return 0;

  // Find the pressed record first: the action may rebuild the buttons.
  const TActionData* pressed = nullptr;
  for (const TActionData& record : ActionData_)
    if (record.btnGadgetID == source) pressed = &record;
  if (pressed == nullptr) return 0;
  const std::uint16_t category = pressed->category;
  const std::int32_t target = pressed->target;

  switch (category) {
    case 1: case 2: case 3: case 4: case 5: case 6:
      // The direction is the category itself; a refused move keeps the buttons.
      if (game_.rooms.ChangeRoom(category) != 0) UpdateHints();
      break;
    case 7: ExamineAction(target); break;
    case 8: AskAction(target); break;
    case 9: FightAction(target); break;
    case 10: TakeAction(target); break;
    case 11: UseAction(target); break;
    case 12: TriggerAction(target); break;
    default: break;
  }
  return 0;
}

}  // namespace mordavel
