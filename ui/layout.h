// Where every widget of the game window stands, from the window's client
// size (W, H) and the picture panel's width (P). Integer divisions.
#pragma once

namespace mordavel {

struct Box {
  int x, y, w, h;
};

struct WindowLayout {
  Box story, picture, visit, instructions, consume, stats, inventory, restart;
};

WindowLayout layoutFor(int W, int H, int P);
// Row 0..7 of the action button column.
Box actionButtonBox(int W, int H, int P, int row);

constexpr int kWindowWidth = 800;
constexpr int kWindowHeight = 600;
constexpr int kPictureWidth = 384;
constexpr int kPictureHeight = 264;

}  // namespace mordavel
