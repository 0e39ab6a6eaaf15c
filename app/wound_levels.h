#pragma once

#include <array>
#include <string>

namespace mordavel {

// The names of the wound levels, indexed by an entity's hp.
inline const std::array<std::string, 7> woundLevelNames = {
    "dead", "mortally wounded", "incapacitated", "severely wounded",
    "wounded", "stunned", "not wounded"};

// The elixir can lift a level above 6 and a hurt can push it below 0; such
// levels are named like the nearest end of the table.
inline const std::string& woundLevelName(int hp) {
  if (hp > 6) hp = 6;
  if (hp < 0) hp = 0;
  return woundLevelNames[static_cast<std::size_t>(hp)];
}

}  // namespace mordavel
