// A badly hurt player rallies, eats, faints, worsens or dies; and the dead
// and the taken leave the castle at the next event.
#include "app/game.h"
#include "app/wound_levels.h"
#include "entities/entity_mgr.h"

namespace mordavel {

int t_EntityMgr::DoSurvival(std::int32_t id) {
  t_entity* me = GetEntityPtr(id);
  if (me == nullptr || me->hp <= 0 || me->hp >= 3 || id != game_.app.localPlayerID ||
      me->isDead != 0)
    return 0;

  // Every pass raises the level, makes the player faint, lowers the level
  // or kills, so the passes end.
  while (me->hp < 3 && me->isDead == 0) {
    game_.say("You are " + woundLevelName(me->hp) + ". ");
    const int r = game_.Rand(me->strength / 6, me->strength);
    std::string pass;
    if (r > 7) {
      game_.say("Your strength has enabled you to be alert before slipping into "
                "unconsciousness. ");
      if (ConsumeFood(id) == 1) {
        me->isEnabled = 1;
        me->isAlerted = 1;
      } else if (me->isEnabled == 1) {
        pass += "Since you have no food to help regain strength, you have slipped into "
                "unconsciousness.\n\n";
        me->isEnabled = 0;
      } else {
        me->hp -= 1;
        pass += "You were were conscious for a moment, but you did not have food to help you "
                "gain strength. As a result your health has worsened. You are now " +
                woundLevelName(me->hp) + " and unconscious. ";
        if (me->hp < 1) me->isDead = 1;
      }
    } else if (me->hp == 1) {
      pass += "Your strength has failed you. You have died from your mortal wounds!\n\n";
      me->isEnabled = 0;
      me->isDead = 1;
    } else if (me->isEnabled == 1) {
      pass += "Your strength has failed you. You are " + woundLevelName(me->hp) +
              " and unconscious for a moment.\n\n";
      me->isEnabled = 0;
    } else {
      me->hp -= 1;
      pass += "You were already unconsious, so your health has worsened. You are now " +
              woundLevelName(me->hp) + ". ";
      if (me->hp < 1) me->isDead = 1;
    }
    game_.say(pass);
  }
  return 0;
}

int t_EntityMgr::Process() {
  // Runs on every tick: one walk, and nothing else unless someone died.
  for (auto it = entities_.begin(); it != entities_.end();) {
    if (it->isDead != 1) {
      ++it;
      continue;
    }
    if (it->id == game_.app.localPlayerID) game_.app.playerDead = 1;
    it = entities_.erase(it);
    game_.window.UpdateHints();
  }
  return 0;
}

}  // namespace mordavel
