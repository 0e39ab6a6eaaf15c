// What the player sees in a room besides its description, and the buttons
// offered for it.
#include "app/game.h"
#include "entities/entity_mgr.h"

namespace mordavel {

bool t_EntityMgr::visibleIn(const t_entity& e, std::int32_t roomNum) const {
  return e.roomNum == roomNum && e.id != game_.app.localPlayerID && e.isEnabled == 1;
}

bool t_EntityMgr::isEnemy(const t_entity& e) {
  return e.teamID != 0 && e.teamID != GetTeamID(game_.app.localPlayerID);
}

std::string t_EntityMgr::showRoomEntities(std::int32_t roomNum) {
  std::string text;
  bool listed = false;
  for (const t_entity& e : entities_) {
    if (!visibleIn(e, roomNum)) continue;
    if (e.canTake != 0)
      text += "  There is a " + e.name + " on the " + e.location + ". ";
    else
      text += "  There is a " + e.name + " here. ";
    if (isEnemy(e))
      text += "The " + e.name + (e.isAlerted != 0 ? " is" : " is not") +
              " alerted to your presence.";
    listed = true;
  }
  return text + (listed ? "\n\n" : "\n");
}

std::string t_EntityMgr::getHints(std::int32_t roomNum) {
  auto& window = game_.window;
  for (const t_entity& e : entities_) {
    if (!visibleIn(e, roomNum)) continue;
    window.Window_Main_Create_Choice_Btn(7, e.id, "Examine " + e.name);
    if (e.canTake == 1) window.Window_Main_Create_Choice_Btn(10, e.id, "Take " + e.name);
    if (e.objectType == 1) window.Window_Main_Create_Choice_Btn(8, e.id, "Ask " + e.name);
    if (isEnemy(e)) window.Window_Main_Create_Choice_Btn(9, e.id, "Fight the " + e.name);
    if (e.isUsable == 1) window.Window_Main_Create_Choice_Btn(11, e.id, "Use " + e.name);
  }
  return "";
}

}  // namespace mordavel
