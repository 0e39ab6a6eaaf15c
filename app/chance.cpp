#include "app/chance.h"

#include <chrono>
#include <utility>

namespace mordavel {

Chance::Chance() : engine_(0) {}

std::uint32_t Chance::milliseconds() {
  using namespace std::chrono;
  auto ms = duration_cast<std::chrono::milliseconds>(steady_clock::now().time_since_epoch()).count();
  return static_cast<std::uint32_t>(ms);
}

void Chance::seed(std::uint32_t value) { engine_.seed(value); }

int Chance::Rand(int lo, int hi) {
  if (hi < lo) std::swap(lo, hi);
  // Our own mapping rather than std::uniform_int_distribution, so a seed
  // gives the same game with every standard library.
  const std::uint64_t span = static_cast<std::uint64_t>(static_cast<std::int64_t>(hi) - lo) + 1;
  const std::uint64_t limit = (std::uint64_t{1} << 32) / span * span;
  std::uint64_t r;
  do {
    r = engine_();
  } while (r >= limit);
  return static_cast<int>(lo + static_cast<std::int64_t>(r % span));
}

}  // namespace mordavel
