// The fixed catalogues: kinds of things, weapons and armour, and the random
// draw of a kind from a category.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "support/recording_platform.h"

namespace mordavel {
namespace {

using testing::RecordingPlatform;
using testing::TestGame;

struct TypeRow {
  std::int32_t id;
  const char* name;
  std::int32_t category, hp, dexterity, strength, perception, cost;
  int canTake, isUsable;
  const char* description;  // nullptr: the prose is our own, checked apart
};

const TypeRow kTypes[] = {
    {1, "Wanderer", 1, 6, 18, 18, 18, 0, 0, 0, "You are eager and ready to discover."},
    {2, "Ferocious werewolf", 8, 6, 24, 20, 18, 0, 0, 0, nullptr},
    {3, "Fanatical fleshgorger", 8, 6, 14, 12, 12, 0, 0, 0, nullptr},
    {4, "Maloventy maldemer", 8, 6, 12, 15, 6, 0, 0, 0, nullptr},
    {5, "Devastating Earth-Dragon", 8, 6, 31, 24, 18, 0, 0, 0,
     "It looks devastating and smells of sulfur."},
    {6, "Elixir", 5, 1, 0, 0, 0, 0, 1, 1,
     "It is a small bottle containing some type of liquid. The bottle is corked."},
    {7, "Treasure", 4, 1, 0, 0, 0, 0, 1, 1, "It is treasure."},
    {8, "Food", 7, 0, 0, 0, 0, 0, 1, 0,
     "It is food. You can gain one wound level for each food you possess."},
    {9, "Sword", 3, 0, 8, 1, 0, 2, 1, 0, "It is a short sword. Damage rating is 1D+2."},
    {10, "Axe", 3, 0, 12, 1, 0, 3, 1, 0, "It is an axe. Damage rating is 2D."},
    {11, "Fur cloak", 2, 5, 1, 6, 0, 5, 1, 0, "It is a fur cloak. Defense value of +2."},
    {12, "sack of flour", 7, 0, 0, 0, 0, 0, 0, 0,
     "It is a sack of flour. As you examine it, you find treasure. Then the sack disappears!"},
    {13, "sack of potatoes", 7, 0, 0, 0, 0, 0, 0, 0, nullptr},
};

TEST(ObjectTypes, CatalogueHoldsTheThirteenTypesInOrder) {
  TestGame t({}, false);
  const auto& types = t.g().objectTypes.types();
  ASSERT_EQ(types.size(), std::size(kTypes));
  for (std::size_t i = 0; i < std::size(kTypes); ++i) {
    const TypeRow& want = kTypes[i];
    const TObjectTypeData& got = types[i];
    SCOPED_TRACE(want.name);
    EXPECT_EQ(got.id, want.id);
    EXPECT_EQ(got.name, want.name);
    EXPECT_EQ(got.category, want.category);
    EXPECT_EQ(got.hp, want.hp);
    EXPECT_EQ(got.dexterity, want.dexterity);
    EXPECT_EQ(got.strength, want.strength);
    EXPECT_EQ(got.perception, want.perception);
    EXPECT_EQ(got.cost, want.cost);
    EXPECT_EQ(got.canTake, want.canTake);
    EXPECT_EQ(got.isUsable, want.isUsable);
    if (want.description != nullptr)
      EXPECT_EQ(got.description, want.description);
    else
      EXPECT_FALSE(got.description.empty());
  }
}

TEST(ObjectTypes, LookupsByIdAnswerFromTheType) {
  TestGame t({}, false);
  const auto& c = t.g().objectTypes;
  for (const TypeRow& want : kTypes) {
    SCOPED_TRACE(want.name);
    EXPECT_EQ(c.GetName(want.id), want.name);
    EXPECT_EQ(c.GetHP(want.id), want.hp);
    EXPECT_EQ(c.GetCategoryByID(want.id), want.category);
    EXPECT_EQ(c.GetCostByID(want.id), want.cost);
    EXPECT_EQ(c.GetDexterityByID(want.id), want.dexterity);
    EXPECT_EQ(c.GetStrengthByID(want.id), want.strength);
    const TObjectTypeData* record = c.GetObjPtrByType(want.id);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record, &c.types()[static_cast<std::size_t>(want.id - 1)]);  // shared, not a copy
  }
}

TEST(ObjectTypes, UnknownIdsGiveNoneZeroAndNull) {
  TestGame t({}, false);
  const auto& c = t.g().objectTypes;
  for (std::int32_t id : {0, 14, 99, -1}) {
    SCOPED_TRACE(id);
    EXPECT_EQ(c.GetName(id), "none");
    EXPECT_EQ(c.GetHP(id), 0);
    EXPECT_EQ(c.GetCategoryByID(id), 0);
    EXPECT_EQ(c.GetCostByID(id), 0);
    EXPECT_EQ(c.GetDexterityByID(id), 0);
    EXPECT_EQ(c.GetStrengthByID(id), 0);
    EXPECT_EQ(c.GetObjPtrByType(id), nullptr);
  }
}

TEST(ObjectTypes, LookupByNameIgnoresCase) {
  TestGame t({}, false);
  const struct {
    const char* name;
    std::int32_t id;
  } cases[] = {
      {"treasure", 7},         {"TREASURE", 7},          {"Treasure", 7},
      {"tReAsUrE", 7},         {"elixir", 6},            {"food", 8},
      {"sack of flour", 12},   {"SACK OF POTATOES", 13}, {"devastating earth-dragon", 5},
      {"fur cloak", 11},       {"Wanderer", 1},          {"Earth Dragon", 0},
      {"treasure ", 0},        {"", 0},                  {"none", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(t.g().objectTypes.GetObjectTypeIDByName(c.name), c.id);
  }
}

// --- random draws -------------------------------------------------------

TEST(RandomType, MonsterCategoryDrawsOneOfTheFourMonsters) {
  TestGame t({1, 2, 3, 4}, false);
  auto& c = t.g().objectTypes;
  EXPECT_EQ(c.RndMonsterType(8, 1), 2);
  EXPECT_EQ(c.RndMonsterType(8, 1), 3);
  EXPECT_EQ(c.RndMonsterType(8, 1), 4);
  EXPECT_EQ(c.RndMonsterType(8, 1), 5);
  const std::vector<std::pair<int, int>> oneToFour(4, {1, 4});
  EXPECT_EQ(t.chance.requests, oneToFour);
}

TEST(RandomType, TreasureCategoryAlwaysGivesTreasure) {
  TestGame t({1, 1, 1}, false);
  auto& c = t.g().objectTypes;
  for (int i = 0; i < 3; ++i) EXPECT_EQ(c.RndTreasureType(4, 1), 7);
  const std::vector<std::pair<int, int>> oneToOne(3, {1, 1});
  EXPECT_EQ(t.chance.requests, oneToOne);
}

TEST(RandomType, CategoryWithoutTypesGivesZeroWithoutADraw) {
  TestGame t({}, false);
  auto& c = t.g().objectTypes;
  for (std::int32_t category : {0, 6, 9, 99}) {
    SCOPED_TRACE(category);
    EXPECT_EQ(c.RndTreasureType(category, 1), 0);
    EXPECT_EQ(c.RndMonsterType(category, 1), 0);
  }
  EXPECT_TRUE(t.chance.requests.empty());
}

TEST(RandomType, CategoryOfTenTypesOffersEveryOne) {
  TestGame t({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, false);
  auto& c = t.g().objectTypes;
  for (std::int32_t id = 20; id < 30; ++id) {
    TObjectTypeData type;
    type.id = id;
    type.name = "relic " + std::to_string(id);
    type.category = 9;
    c.AddObjectType(type);
  }
  for (std::int32_t id = 20; id < 30; ++id) EXPECT_EQ(c.RndTreasureType(9, 1), id);
  const std::vector<std::pair<int, int>> oneToTen(10, {1, 10});
  EXPECT_EQ(t.chance.requests, oneToTen);
}

// The real generator, seeded from a fixed clock so the run is the same
// every time: the four monsters come up about equally often.
class FixedClockChance : public Chance {
 public:
  std::uint32_t milliseconds() override { return 20240611u; }
};

TEST(RandomType, MonstersComeUpAboutEquallyOftenWithTheRealGenerator) {
  RecordingPlatform platform;
  FixedClockChance chance;
  Game game(platform, chance);
  std::map<std::int32_t, int> seen;
  const int draws = 4000;
  for (int i = 0; i < draws; ++i) ++seen[game.objectTypes.RndMonsterType(8, 1)];
  ASSERT_EQ(seen.size(), 4u);
  for (std::int32_t monster : {2, 3, 4, 5}) {
    SCOPED_TRACE(monster);
    EXPECT_GE(seen[monster], draws * 20 / 100);
    EXPECT_LE(seen[monster], draws * 30 / 100);
  }
}

// --- weapons and armour -------------------------------------------------

TEST(WeaponTypes, CatalogueHoldsFistsSwordAndAxe) {
  TestGame t({}, false);
  const auto& types = t.g().weapons.types();
  const TWeaponTypeData want[] = {{1, 3, "Fists", 6, 0}, {2, 3, "Sword", 8, 1}, {3, 3, "Axe", 12, 2}};
  ASSERT_EQ(types.size(), std::size(want));
  for (std::size_t i = 0; i < std::size(want); ++i) {
    SCOPED_TRACE(want[i].name);
    EXPECT_EQ(types[i].id, want[i].id);
    EXPECT_EQ(types[i].objType, want[i].objType);
    EXPECT_EQ(types[i].name, want[i].name);
    EXPECT_EQ(types[i].damage, want[i].damage);
    EXPECT_EQ(types[i].price, want[i].price);
    EXPECT_EQ(t.g().weapons.GetWeaponDamageByID(want[i].id), want[i].damage);
    EXPECT_EQ(t.g().weapons.GetWeaponNameByID(want[i].id), want[i].name);
  }
  EXPECT_EQ(t.g().weapons.NumWeaponTypes, 3);
}

TEST(WeaponTypes, LookupsAndTheirNoMatchValues) {
  TestGame t({}, false);
  const auto& w = t.g().weapons;
  EXPECT_EQ(w.GetWeaponNameByID(0), "none");
  EXPECT_EQ(w.GetWeaponNameByID(4), "none");
  EXPECT_EQ(w.GetWeaponDamageByID(0), 0);
  EXPECT_EQ(w.GetWeaponIDByName("FISTS"), 1);
  EXPECT_EQ(w.GetWeaponIDByName("sword"), 2);
  EXPECT_EQ(w.GetWeaponIDByName("aXe"), 3);
  EXPECT_EQ(w.GetWeaponIDByName("Mace"), 0);
  // The one name lookup where case counts.
  EXPECT_EQ(w.GetWeaponDamageByName("Sword"), 8);
  EXPECT_EQ(w.GetWeaponDamageByName("sword"), 0);
  EXPECT_EQ(w.GetWeaponDamageByName("AXE"), 0);
  EXPECT_EQ(w.GetWeaponDamageByName("Axe"), 12);
}

TEST(WeaponTypes, TheLastMatchWins) {
  TestGame t({}, false);
  auto& w = t.g().weapons;
  w.AddWeaponType(0, 3, "Sword", 9, 1);
  EXPECT_EQ(w.NumWeaponTypes, 4);
  EXPECT_EQ(w.types().back().id, 4);
  EXPECT_EQ(w.GetWeaponDamageByName("Sword"), 9);
  EXPECT_EQ(w.GetWeaponIDByName("SWORD"), 4);
  EXPECT_EQ(w.GetWeaponNameByID(4), "Sword");
  // A second record with an id already taken overrides it too.
  w.AddWeaponType(2, 3, "Mace", 5, 0);
  EXPECT_EQ(w.GetWeaponDamageByID(2), 5);
  EXPECT_EQ(w.GetWeaponNameByID(2), "Mace");
}

TEST(ArmourTypes, FurCloakMeetsTheCapitalisedObjectName) {
  TestGame t({}, false);
  const auto& a = t.g().armors;
  ASSERT_EQ(a.types().size(), 1u);
  const TArmorTypeData& cloak = a.types()[0];
  EXPECT_EQ(cloak.id, 1);
  EXPECT_EQ(cloak.objType, 2);
  EXPECT_EQ(cloak.name, "fur cloak");
  EXPECT_EQ(cloak.defValue, 2);
  EXPECT_EQ(cloak.price, 5);
  EXPECT_EQ(a.NumArmorTypes, 1);
  EXPECT_EQ(a.GetArmorValueByName("Fur cloak"), 2);
  EXPECT_EQ(a.GetArmorIDByName("Fur cloak"), 1);
  EXPECT_EQ(a.GetArmorIDByName("FUR CLOAK"), 1);
  EXPECT_EQ(a.GetArmorValueByID(1), 2);
  EXPECT_EQ(a.GetArmorNameByID(1), "fur cloak");
}

TEST(ArmourTypes, LookupsAndTheirNoMatchValues) {
  TestGame t({}, false);
  const auto& a = t.g().armors;
  EXPECT_EQ(a.GetArmorNameByID(0), "none");
  EXPECT_EQ(a.GetArmorNameByID(2), "none");
  EXPECT_EQ(a.GetArmorValueByID(0), 0);
  EXPECT_EQ(a.GetArmorValueByName("chain mail"), 0);
  EXPECT_EQ(a.GetArmorIDByName("chain mail"), 0);
}

TEST(ArmourTypes, TheLastMatchWins) {
  TestGame t({}, false);
  auto& a = t.g().armors;
  a.AddArmorType(0, 2, "Fur Cloak", 3, 0);
  EXPECT_EQ(a.GetArmorValueByName("fur cloak"), 3);
  EXPECT_EQ(a.GetArmorIDByName("fur cloak"), 2);
  EXPECT_EQ(a.GetArmorNameByID(2), "Fur Cloak");
}

}  // namespace
}  // namespace mordavel
