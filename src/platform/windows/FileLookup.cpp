// File and folder questions on Windows, where any letter case opens a file, so folders are
// listed to tell names apart as on other systems.
#include "platform/FileLookup.h"

#include <io.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "text/ByteText.h"

namespace regforge {
namespace fs = std::filesystem;

namespace {

// The name in folder that is name exactly or else, but for letter case, the first in name
// order. Windows opens a file named in any letter case, so the folder is listed to tell them apart.
std::optional<std::string> findEntry(const std::string& folder, const std::string& name,
                                     bool ignoringCase) {
  std::error_code error;
  std::vector<std::string> matches;
  for (fs::directory_iterator it(folder.empty() ? "." : folder, error), end; !error && it != end;
       it.increment(error)) {
    const std::string entry = it->path().filename().string();
    if (entry == name) return entry;
    if (ignoringCase && equalsIgnoreAsciiCase(entry, name)) matches.push_back(entry);
  }
  if (matches.empty()) return std::nullopt;
  return *std::min_element(matches.begin(), matches.end());
}

std::string joined(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  const char last = folder.back();
  return last == '/' || last == '\\' || last == ':' ? folder + name : folder + "/" + name;
}

// The parent folder and the last name of path, split at its last separator.
std::pair<std::string, std::string> split(const std::string& path) {
  const std::size_t at = path.find_last_of("/\\:");
  if (at == std::string::npos) return {"", path};
  return {path.substr(0, at + 1), path.substr(at + 1)};
}

}  // namespace

// A file named in other letter case than its own is no match here, as on other systems.
bool isFile(const std::string& path) {
  std::error_code error;
  if (!fs::is_regular_file(path, error)) return false;
  const auto [folder, name] = split(path);
  return findEntry(folder, name, false).has_value();
}

std::optional<std::string> findFileIgnoringCase(const std::string& folder,
                                                const std::string& relative) {
  std::string path = folder;
  std::size_t start = 0;
  while (start <= relative.size()) {
    const std::size_t end = std::min(relative.find_first_of("/\\", start), relative.size());
    const std::string part = relative.substr(start, end - start);
    start = end + 1;
    if (part.empty()) continue;
    if (part == "." || part == "..") {
      path = joined(path, part);
      continue;
    }
    const std::optional<std::string> found = findEntry(path, part, true);
    if (!found) return std::nullopt;
    path = joined(path, *found);
  }
  std::error_code error;
  if (!fs::is_regular_file(path, error)) return std::nullopt;
  return path;
}

// "C:pack.pdsc" and "packs\X\X.pdsc" name folders too.
std::string folderOf(const std::string& path) {
  return split(path).first;
}

bool standardErrorIsTerminal() {
  return _isatty(_fileno(stderr)) != 0;
}

}  // namespace regforge
