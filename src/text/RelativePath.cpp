// A path resolved step by step as text, before any file is looked at.
#include "text/RelativePath.h"

#include <algorithm>
#include <vector>

namespace regforge {

RelativePath relativePath(std::string_view path) {
  RelativePath result;
  if (path.empty()) {
    result.problem = "is empty";
  } else if (path.front() == '/' || path.front() == '\\') {
    result.problem = "is absolute";
  } else if (path.find(':') != std::string_view::npos) {
    result.problem = "names a drive";  // "C:x", or a stream of a file on Windows
  } else if (std::any_of(path.begin(), path.end(), [](char c) {
               return static_cast<unsigned char>(c) < 0x20 || c == 0x7f;
             })) {
    result.problem = "holds a control byte";  // it would reach messages as it is
  }
  if (result.problem) return result;
  std::vector<std::string_view> steps;
  std::size_t start = 0;
  while (start <= path.size()) {
    const std::size_t end = std::min(path.find_first_of("/\\", start), path.size());
    const std::string_view step = path.substr(start, end - start);
    start = end + 1;
    if (step.empty() || step == ".") continue;
    if (step != "..") {
      steps.push_back(step);
    } else if (steps.empty()) {
      result.problem = "leaves the pack";
      return result;
    } else {
      steps.pop_back();
    }
  }
  for (const std::string_view step : steps)
    result.path.append(result.path.empty() ? "" : "/").append(step);
  if (result.path.empty()) result.problem = "names no file";
  return result;
}

}  // namespace regforge
