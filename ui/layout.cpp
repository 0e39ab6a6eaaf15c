#include "ui/layout.h"

namespace mordavel {

WindowLayout layoutFor(int W, int H, int P) {
  WindowLayout l{};
  const int right = W / 2 + 4;
  l.story = {4, 4, W / 2 - 4, H - 4};
  l.picture = {W - W / 2 + 4, 4, kPictureWidth, kPictureHeight};
  l.visit = {right, H / 2 + 244, P / 2, 28};
  l.instructions = {right + P / 2, H / 2 + 244, P / 2, 28};
  l.consume = {right, H / 2 + 214, P / 3, 28};
  l.stats = {right + P / 3, H / 2 + 214, P / 3, 28};
  l.inventory = {right + 2 * (P / 3), H / 2 + 214, P / 3, 28};
  l.restart = {right + P / 3, H / 2 + 184, P / 3, 28};
  return l;
}

Box actionButtonBox(int W, int H, int P, int row) {
  return {W / 2 + 4, H / 2 + 4 + 30 * row, P, 28};
}

}  // namespace mordavel
