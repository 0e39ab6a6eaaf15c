// The game window as the game sees it: the story area, the picture, the
// fixed buttons, the pool of action buttons, and the dispatch of presses.
// Everything on screen goes through the Platform.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ui/platform.h"

namespace mordavel {

class Game;

// One action button: what a press does (category) and to what (target).
struct TActionData {
  std::uint16_t category = 0;
  std::int32_t target = 0;
  WidgetId btnGadgetID = widget::None;  // None while the record is free
};

class TWindowMgr {
 public:
  explicit TWindowMgr(Game& game);

  int Open_Window_Main_Choose();
  int SetStoryArea(const std::string& text);
  int AppendStoryArea(const std::string& text);
  int ChangeStoryImage(const std::string& path);
  int Hide(WidgetId w);
  int Show(WidgetId w);

  // Action buttons. Returns the row of the new button, or 255 when none
  // was made.
  std::uint8_t Window_Main_Create_Choice_Btn(std::uint16_t category, std::int32_t target,
                                             const std::string& label);
  int Window_Main_Clear_Choice_Btns();
  int UpdateHints();

  int CheckBtnClick(WidgetId source);

  // The commands behind the fixed buttons and the action categories 7..12.
  void ShowInventoryCommand();
  void ConsumeCommand();
  void ShowStatsCommand();
  void ExamineAction(std::int32_t target);
  void AskAction(std::int32_t target);
  void FightAction(std::int32_t target);
  void TakeAction(std::int32_t target);
  void UseAction(std::int32_t target);
  void TriggerAction(std::int32_t target);

  const std::vector<TActionData>& actionRecords() const { return ActionData_; }

  std::uint8_t ChoiceBtnNum = 0;
  const std::uint8_t ChoiceBtnMAX = 8;

 private:
  Game& game_;
  std::vector<TActionData> ActionData_;  // the pool of nine, for the whole run
  WidgetId nextButtonId_ = widget::FirstActionBtn;
};

}  // namespace mordavel
