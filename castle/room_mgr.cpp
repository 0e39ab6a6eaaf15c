#include "castle/room_mgr.h"

#include "app/game.h"

namespace mordavel {

t_RoomMgr::t_RoomMgr(Game& game) : game_(game) { Init(); }

int t_RoomMgr::Init() {
  const std::string folder = "data/media/img/";
  // id, north, south, east, west, up, down, picture, name, description.
  // The exits decide where the player can go; the prose only sets the scene.
  addRoom(1, 0, 2, 0, 0, 0, 0, folder, "The Hallway",
          "  You stand in the castle's entrance hallway. It is dark and gloomy, the plaster "
          "crumbles from the walls and the air smells of decay. Suddenly you feel frightened. "
          "There is a door to the south, and through the windows to the north you glimpse a "
          "secret herb garden.\n");
  addRoom(2, 1, 3, 3, 0, 0, 0, folder, "Audience Chamber",
          "  This is the Audience Chamber. Faded tapestries on the walls hint at a splendour "
          "long past. Through a window to the west, if you crane your neck to the right, you "
          "can see the castle entrance. There are doors to the north, east and south.\n");
  addRoom(3, 2, 0, 5, 2, 0, 0, folder, "The Great Hall",
          "  You are in the Great Hall, an L-shaped room lined with wood panels that are warped "
          "and faded with age. There are doors to the east and to the north, and in the alcove "
          "a door leads west.\n");
  addRoom(4, 0, 5, 0, 0, 0, 0, folder, "Meeting Room",
          "  This was the monarch's private meeting room. The echo of old plots and whispered "
          "schemes still seems to hang in the musty air. The only way out is to the south.\n");
  addRoom(5, 4, 0, 0, 3, 15, 13, folder, "Inner Hallway",
          "  You are in a small and unfriendly inner hallway with a door to the north and one "
          "to the west. A circular stairwell passes through it, up and down. Through the "
          "windows to the south you can see an ornamental lake.\n");
  addRoom(6, 0, 0, 1, 0, 0, 0, folder + "castle_entrance.jpg", "Castle Entrance",
          "  You stand outside a forbidding stone castle. Its huge wooden door stands slightly "
          "open, as if someone had left in a hurry long ago. You face east, towards the "
          "entrance.\n");
  addRoom(7, 0, 8, 0, 0, 0, 0, folder, "Kitchen",
          "  This is the castle kitchen. No meals have been made here for many years, and a rat "
          "scurries across the floor as you enter. Windows in the north wall look onto the "
          "secret herb garden. There is a door to the south.\n");
  addRoom(8, 7, 10, 0, 0, 0, 0, folder, "Store Room",
          "  You are in the Store Room, among spices, vegetables and sacks of flour and "
          "provisions. The air is thick with the smell of spice. There is a door to the north "
          "and one to the south.\n");
  addRoom(9, 0, 19, 0, 0, 0, 8, folder, "The Lift",
          "  You are inside a lift. To leave it, go south. The lift seems to work, so you could "
          "also go down.\n");
  addRoom(10, 8, 0, 11, 0, 0, 0, folder, "Rear Vestibule",
          "  This is the rear vestibule. Through the windows to the south you see the "
          "ornamental lake. There are exits to the east and to the north.\n");
  addRoom(11, 0, 0, 0, 0, 0, 0, folder, "The Exit",
          "YOU'VE DONE IT!! That was the exit from the Castle. YOU HAVE SUCCEEDED. You managed "
          "to get out of the Castle. WELL DONE!\n");
  addRoom(12, 0, 0, 0, 13, 0, 0, folder, "Dungeon",
          "  You are in a dank, dark dungeon. The only light comes through a small hole in the "
          "west wall, which is also the only way out.\n");
  addRoom(13, 0, 0, 12, 0, 5, 0, folder, "Prison Guardroom",
          "  This is the prison guardroom in the basement, where the stairwell ends. The other "
          "way out is a small hole in the east wall. The air is damp, and a chill wind blows "
          "through the gaps between the stones.\n");
  addRoom(14, 0, 15, 17, 0, 0, 0, folder, "Master Chamber",
          "  You are in the master bedroom on the upper level. It is quiet here. The west window "
          "looks down on the castle entrance, the north window on the herb garden. There are "
          "doors to the east and to the south.\n");
  addRoom(15, 14, 0, 0, 0, 0, 5, folder, "Upper Hallway",
          "  You are in the L-shaped upper hallway. A moth flutters near the ceiling. There is a "
          "door to the north and a stairwell leading down, and through the south windows you "
          "can see the lake.\n");
  addRoom(16, 17, 0, 19, 0, 0, 0, folder, "Treasury",
          "  This was once the treasury. It has no windows at all. There are exits to the north "
          "and to the east.\n");
  addRoom(17, 18, 16, 0, 14, 0, 0, folder, "Chambermaid Chamber",
          "  This is the chambermaids' bedroom. A faint perfume still lingers in the air. There "
          "is an exit to the west and a door to the south.\n");
  addRoom(18, 0, 17, 0, 0, 0, 0, folder, "Dressing Chamber",
          "  You are in a tiny dressing chamber on the upper level. A north window looks out "
          "over the herb garden. There is a door to the south.\n");
  addRoom(19, 9, 0, 0, 16, 0, 0, folder, "Courtyard",
          "  You are in a small courtyard outside the castle proper, entered by a door to the "
          "north. Another door leads west, and through the southern windows you see the "
          "lake.\n");
  return 0;
}

int t_RoomMgr::addRoom(std::uint16_t id, std::uint16_t n, std::uint16_t s, std::uint16_t e,
                       std::uint16_t w, std::uint16_t u, std::uint16_t d,
                       const std::string& imgFn, const std::string& name,
                       const std::string& desc) {
  t_room room;
  room.id = id;
  room.n = n;
  room.s = s;
  room.e = e;
  room.w = w;
  room.u = u;
  room.d = d;
  room.imgFn = imgFn;
  room.desc = desc;
  room.name = name;
  rooms_.push_back(std::move(room));
  return 0;
}

int t_RoomMgr::Reset() {
  rooms_.clear();
  return Init();
}

const t_room* t_RoomMgr::find(std::int32_t roomNum) const {
  for (const t_room& room : rooms_)
    if (room.id == roomNum) return &room;
  return nullptr;
}

t_room* t_RoomMgr::findMutable(std::int32_t roomNum) {
  return const_cast<t_room*>(find(roomNum));
}

int t_RoomMgr::displayRoom(const std::string& prefix, std::uint16_t roomNum) {
  const t_room* room = find(roomNum);
  if (room == nullptr) return 0;
  const std::string picture = room->imgFn;
  auto& entities = game_.entities;
  std::string text = prefix + room->desc;
  text += entities.showRoomEntities(roomNum);
  text += entities.DoNPCActions(roomNum);
  game_.say(text);
  entities.DoSurvival(game_.app.localPlayerID);
  game_.window.ChangeStoryImage(picture);
  if (roomNum != 11) game_.app.displayWhatNow();
  return 0;
}

int t_RoomMgr::GetHints(std::uint16_t roomNum) {
  const t_room* room = find(roomNum);
  if (room == nullptr) return 0;
  struct Exit {
    std::int32_t to;
    std::uint16_t direction;
    const char* label;
  };
  const Exit exits[] = {{room->n, North, "Go North"}, {room->s, South, "Go South"},
                        {room->e, East, "Go East"},   {room->w, West, "Go West"},
                        {room->u, Up, "Go Up"},       {room->d, Down, "Go Down"}};
  for (const Exit& exit : exits)
    if (exit.to != 0) game_.window.Window_Main_Create_Choice_Btn(exit.direction, exit.to, exit.label);
  return 0;
}

std::uint8_t t_RoomMgr::ChangeRoom(std::uint16_t direction) {
  const t_room* room = find(game_.app.currentRm);
  if (room == nullptr) return 0;
  std::int32_t to = 0;
  const char* message = "";
  switch (direction) {
    case North: to = room->n; message = "You proceed north.\n\n"; break;
    case South: to = room->s; message = "You go south.\n\n"; break;
    case East: to = room->e; message = "You decide to go east.\n\n"; break;
    case West: to = room->w; message = "Go west.\n\n"; break;
    case Up: to = room->u; message = "Going up.\n\n"; break;
    case Down: to = room->d; message = "Going down.\n\n"; break;
    default: return 0;
  }
  if (to == 0) return 0;
  auto& app = game_.app;
  app.currentRm = static_cast<std::uint16_t>(to);
  game_.say(message);
  game_.triggers.checkRoomEntrance(app.currentRm);
  displayRoom("", app.currentRm);
  game_.entities.setRoomNum(app.localPlayerID, app.currentRm);
  return 1;
}

int t_RoomMgr::EnablePathway(std::uint16_t roomNum, std::uint16_t destination,
                             std::int32_t direction) {
  t_room* room = findMutable(roomNum);
  if (room != nullptr && direction == 8) room->u = destination;
  return 0;
}

}  // namespace mordavel
