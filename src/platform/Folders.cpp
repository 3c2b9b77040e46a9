// The folder questions that std::filesystem answers alike on every system.
#include <filesystem>
#include <system_error>

#include "platform/FileLookup.h"

namespace regforge {

bool isFolder(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_directory(path, error);
}

bool makeFolder(const std::string& path) {
  std::error_code error;
  std::filesystem::create_directories(path, error);
  return isFolder(path);
}

}  // namespace regforge
