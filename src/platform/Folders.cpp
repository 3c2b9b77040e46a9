// The folder questions that std::filesystem answers alike on every system.
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "platform/FileLookup.h"

namespace regforge {

bool isFolder(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_directory(path, error);
}

bool isInsideFolder(const std::string& folder, const std::string& path) {
  std::error_code error;
  const std::filesystem::path root =
      std::filesystem::canonical(folder.empty() ? "." : folder, error);
  if (error) return false;
  const std::filesystem::path file = std::filesystem::canonical(path, error);
  if (error) return false;
  auto step = file.begin();
  for (const std::filesystem::path& rootStep : root) {
    if (step == file.end() || *step != rootStep) return false;
    ++step;
  }
  return step != file.end();
}

std::vector<std::string> filesEndingIn(const std::string& folder, std::string_view suffix) {
  std::vector<std::string> names;
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error)) {
    std::error_code typeError;
    if (!it->is_regular_file(typeError)) continue;
    const std::string name = it->path().filename().string();
    if (name.size() > suffix.size() &&
        std::equal(suffix.begin(), suffix.end(), name.end() - static_cast<long>(suffix.size()),
                   [](char a, char b) {
                     return std::tolower(static_cast<unsigned char>(a)) ==
                            std::tolower(static_cast<unsigned char>(b));
                   })) {
      names.push_back(name);
    }
  }
  std::sort(names.begin(), names.end());
  return names;
}

bool makeFolder(const std::string& path) {
  std::error_code error;
  std::filesystem::create_directories(path, error);
  return isFolder(path);
}

}  // namespace regforge
