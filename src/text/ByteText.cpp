// Splitting list options into their entries.
#include "text/ByteText.h"

namespace regforge {

std::vector<std::string> splitList(std::string_view text) {
  std::vector<std::string> list;
  if (text.empty()) return list;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find(';', start);
    list.emplace_back(text.substr(start, end - start));
    if (end == std::string_view::npos) return list;
    start = end + 1;
  }
}

}  // namespace regforge
