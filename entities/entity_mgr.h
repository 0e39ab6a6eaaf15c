// Everything that stands in the castle's rooms, and the rules acting on it.
//
// The registry and its one-field lookups are in entity_mgr.cpp; the rules
// each have a file of their own: population.cpp, examine_take_ask.cpp,
// room_listing.cpp, survival.cpp, combat.cpp, monster_actions.cpp and
// encounters.cpp.
#pragma once

#include <cstdint>
#include <list>
#include <string>

namespace mordavel {

class Game;

struct t_entity {
  std::int32_t id = 0;
  std::uint8_t category = 0;
  std::uint8_t objectType = 0;
  std::string name;
  std::string desc;
  std::string location;
  std::uint8_t canTake = 0;
  std::uint8_t isAlerted = 0;
  std::uint8_t isUsable = 0;
  std::uint8_t disableAfterUse = 0;
  std::uint8_t isEnabled = 0;  // on the player's figure: conscious
  std::uint8_t isDead = 0;     // removed from the registry at the next event
  std::uint16_t roomNum = 0;
  std::int32_t ownerID = 0;
  std::int32_t teamID = 0;
  std::int32_t hp = 0;  // wound level
  std::uint16_t dexterity = 0;
  std::uint16_t strength = 0;
  std::uint16_t perception = 0;
  std::int32_t weapon1ID = 0;
  std::int32_t armor1ID = 0;
};

class t_EntityMgr {
 public:
  explicit t_EntityMgr(Game& game);  // creates and populates the castle

  // Registry.
  std::int32_t addEntity(std::int32_t id, const std::string& name, std::int32_t objectType,
                         std::int32_t roomNum, std::uint8_t canTake, const std::string& desc,
                         const std::string& location, std::int32_t dexterity,
                         std::int32_t strength, std::int32_t perception, std::uint8_t isUsable,
                         std::uint8_t disableAfterUse, std::int32_t teamID, std::int32_t ownerID);
  t_entity& addEntityEmpty(std::int32_t id);

  t_entity* GetEntityPtr(std::int32_t id);
  std::int32_t GetHPByID(std::int32_t id);
  std::string GetName(std::int32_t id);
  std::int32_t GetTeamID(std::int32_t id);
  std::int32_t GetPerception(std::int32_t id);
  std::uint16_t GetObjectType(std::int32_t id);
  std::int32_t GetCurrentWeaponByID(std::int32_t id);
  std::int32_t GetCurrentArmorByID(std::int32_t id);
  int SetWeapon1IDByID(std::int32_t id, std::int32_t weaponType);
  int SetArmor1IDByID(std::int32_t id, std::int32_t armorType);
  int AddHP(std::int32_t id, std::int32_t amount);
  int SubtractHP(std::int32_t id, std::int32_t amount);
  int setAlertness(std::int32_t id, std::uint8_t flag);
  int setRoomNum(std::int32_t id, std::int32_t roomNum);
  int SetDead(std::int32_t id, std::uint8_t flag);

  // Population.
  int Init();
  int Reset();
  std::int32_t CreateEntityByObjectType(std::int32_t objectType, std::int32_t roomNum,
                                        const std::string& location,
                                        std::uint8_t disableAfterUse, std::int32_t teamID,
                                        std::int32_t ownerID);

  // Examine, take and ask.
  std::string getObjectDesc(std::int32_t id);
  std::uint8_t takeObject(std::int32_t id, std::int32_t roomNum, std::int32_t takerID);
  int AskEntity(std::int32_t id);

  // Room listing and action hints.
  std::string showRoomEntities(std::int32_t roomNum);
  std::string getHints(std::int32_t roomNum);

  // Survival and turn processing.
  int DoSurvival(std::int32_t id);
  int Process();

  // Combat and monster actions.
  std::string DoCombat(std::int32_t attackerID, std::int32_t defenderID);
  std::string DoNPCActions(std::int32_t roomNum);

  // Elixir, food, treasure and random encounters.
  int UseItem(std::int32_t id);
  std::uint8_t ConsumeFood(std::int32_t id);
  std::int32_t RndTreasureEntity(std::int32_t category, std::int32_t bonus);
  std::int32_t RndMonsterEnemy(std::int32_t category, std::int32_t unused);

  const std::list<t_entity>& entities() const { return entities_; }
  std::int32_t NumEntities = 0;

 private:
  // One field of the entity with this id; zero or empty when there is none.
  template <class T>
  T valueOf(std::int32_t id, T t_entity::*field) {
    const t_entity* e = GetEntityPtr(id);
    return e ? e->*field : T{};
  }
  // Sets one field of the entity with this id, if there is one.
  template <class T, class V>
  int setField(std::int32_t id, T t_entity::*field, V value) {
    if (t_entity* e = GetEntityPtr(id)) e->*field = static_cast<T>(value);
    return 0;
  }
  bool visibleIn(const t_entity& e, std::int32_t roomNum) const;
  bool isEnemy(const t_entity& e);
  void strike(t_entity& striker, t_entity& target, std::string& text);

  Game& game_;
  std::list<t_entity> entities_;
};

}  // namespace mordavel
