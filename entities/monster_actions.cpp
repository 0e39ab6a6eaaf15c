// Alerted monsters attack whenever their room is shown.
#include "app/game.h"
#include "entities/entity_mgr.h"

namespace mordavel {

std::string t_EntityMgr::DoNPCActions(std::int32_t roomNum) {
  const std::int32_t me = game_.app.localPlayerID;
  std::string text;
  for (const t_entity& e : entities_) {
    if (e.roomNum != roomNum || e.id == me || e.teamID != 2 || e.isAlerted != 1) continue;
    text += "  The " + e.name + " attacks you. ";
    text += DoCombat(e.id, me);
  }
  return text;
}

}  // namespace mordavel
