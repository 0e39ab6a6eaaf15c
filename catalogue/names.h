#pragma once

#include <algorithm>
#include <cctype>
#include <string>

namespace mordavel {

inline std::string lowered(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

// Names compared the way the catalogues compare them: both lowered.
inline bool sameNameIgnoringCase(const std::string& a, const std::string& b) {
  return lowered(a) == lowered(b);
}

// The weapon and armour lookups walk the whole catalogue and answer from
// the last record that matches, or with `none`.
template <class Records, class Matches, class Field, class T>
T lastMatch(const Records& records, Matches matches, Field field, T none) {
  for (const auto& record : records)
    if (matches(record)) none = record.*field;
  return none;
}

}  // namespace mordavel
