// Wildcard patterns over names, and the ranking of names by their closeness to another.
#include "text/NamePatterns.h"

#include <algorithm>
#include <numeric>

#include "text/ByteText.h"

namespace regforge {
namespace {

// Levenshtein distance over upper-cased bytes, one row at a time.
std::size_t editDistance(std::string_view a, std::string_view b) {
  std::vector<std::size_t> row(b.size() + 1);
  std::iota(row.begin(), row.end(), std::size_t{0});
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      const bool same = toUpperAscii(a[i - 1]) == toUpperAscii(b[j - 1]);
      row[j] = std::min({above + 1, row[j - 1] + 1, diagonal + (same ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

}  // namespace

bool hasWildcard(std::string_view pattern) {
  return pattern.find_first_of("*?") != std::string_view::npos;
}

bool matchesPattern(std::string_view name, std::string_view pattern) {
  // Greedy match with one back-track point: the last '*' seen and where it began to match.
  std::size_t n = 0, p = 0;
  std::size_t star = std::string_view::npos, starName = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
      ++n;
      ++p;
    } else if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      starName = n;
    } else if (star != std::string_view::npos) {
      p = star + 1;
      n = ++starName;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*')
    ++p;
  return p == pattern.size();
}

std::vector<std::string> closestNames(std::string_view wanted,
                                      const std::vector<std::string>& names, std::size_t count) {
  std::vector<std::pair<std::size_t, std::size_t>> ranked;  // distance, position
  ranked.reserve(names.size());
  for (std::size_t i = 0; i < names.size(); ++i)
    ranked.emplace_back(editDistance(wanted, names[i]), i);
  std::stable_sort(ranked.begin(), ranked.end());
  std::vector<std::string> closest;
  for (std::size_t i = 0; i < ranked.size() && i < count; ++i)
    closest.push_back(names[ranked[i].second]);
  return closest;
}

}  // namespace regforge
