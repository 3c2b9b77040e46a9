// File and folder questions on POSIX systems, where names differ in letter case and a
// file named in another case must be searched for.
#include "platform/FileLookup.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "text/ByteText.h"

namespace regforge {
namespace fs = std::filesystem;

bool isFile(const std::string& path) {
  std::error_code error;
  return fs::is_regular_file(path, error);
}

namespace {

// The entry of folder named like name but for letter case, the first in name order.
std::optional<fs::path> findEntryIgnoringCase(const fs::path& folder, const std::string& name) {
  std::error_code error;
  std::vector<fs::path> matches;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    if (equalsIgnoreAsciiCase(it->path().filename().string(), name)) matches.push_back(it->path());
  }
  if (matches.empty()) return std::nullopt;
  return *std::min_element(matches.begin(), matches.end());
}

}  // namespace

std::optional<std::string> findFileIgnoringCase(const std::string& folder,
                                                const std::string& relative) {
  std::error_code error;
  fs::path path(folder);
  for (const fs::path& part : fs::path(relative)) {
    if (part.empty() || part == "." || part == ".." || fs::exists(path / part, error)) {
      path /= part;
      continue;
    }
    const std::optional<fs::path> found =
        findEntryIgnoringCase(path.empty() ? fs::path(".") : path, part.string());
    if (!found) return std::nullopt;
    path /= found->filename();
  }
  if (!isFile(path.string())) return std::nullopt;
  return path.string();
}

std::string folderOf(const std::string& path) {
  return path.substr(0, path.rfind('/') + 1);
}

bool standardErrorIsTerminal() {
  return isatty(STDERR_FILENO) != 0;
}

}  // namespace regforge
