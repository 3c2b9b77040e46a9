// A folder of one test's own below the system's temporary folder: empty at the start, gone at
// the end.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "Process.h"

namespace regforge::testsupport {

class ScratchFolder {
 public:
  /// The folder regforge-NAME-PID, so that suites run side by side keep apart.
  explicit ScratchFolder(const std::string& name)
      : path_(std::filesystem::temp_directory_path() /
              ("regforge-" + name + "-" + std::to_string(processId()))) {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  /// The path of relative ('/' separated) below the folder.
  std::string operator/(const std::string& relative) const {
    return (path_ / std::filesystem::path(relative)).string();
  }
  /// Writes bytes to the file at relative, making its folders, and gives its path.
  std::string write(const std::string& relative, const std::string& bytes) const {
    const std::filesystem::path file = path_ / std::filesystem::path(relative);
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
    return file.string();
  }
  std::string path() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

}  // namespace regforge::testsupport
