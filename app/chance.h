// The one source of chance: a seedable generator and the millisecond clock
// the game seeds it from. Tests replace it to script every draw.
#pragma once

#include <cstdint>
#include <random>

namespace mordavel {

class Chance {
 public:
  Chance();
  virtual ~Chance() = default;

  // Milliseconds of a monotonic clock, cut to 32 bits.
  virtual std::uint32_t milliseconds();
  virtual void seed(std::uint32_t value);
  // A whole number drawn uniformly from lo to hi inclusive; the bounds are
  // swapped when hi is below lo.
  virtual int Rand(int lo, int hi);

  void reseedFromClock() { seed(milliseconds()); }

 private:
  std::mt19937 engine_;
};

}  // namespace mordavel
