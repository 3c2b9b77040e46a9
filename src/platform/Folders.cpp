// The folder questions that std::filesystem answers alike on every system.
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

bool makeFolder(const std::string& path) {
  std::error_code error;
  std::filesystem::create_directories(path, error);
  return isFolder(path);
}

}  // namespace regforge
