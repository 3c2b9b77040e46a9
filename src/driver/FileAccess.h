// How a conversion reaches its files: the disk for the program; memory for the tests and the
// fuzz targets, which then run the program's own sequence without a process or a folder.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "platform/FileIdentity.h"
#include "platform/Files.h"
#include "xml/ByteSink.h"

namespace regforge {

class FileAccess {
 public:
  virtual ~FileAccess() = default;
  /// The whole file at path with a NUL after it, up to XMLDocument::kLargestInput bytes.
  virtual WholeFile read(const std::string& path) = 0;
  /// As read, for a reader of lines: on a system with a text mode the file is read in it.
  virtual WholeFile readText(const std::string& path) = 0;
  /// A sink that writes the file at path; null when it can't be made. A text file takes the
  /// system's line ends. The file is complete once the sink's close() succeeds; before, an
  /// existing file may keep its old content.
  virtual std::unique_ptr<ByteSink> create(const std::string& path, bool text) = 0;
  /// Why path cannot be read, or created as a file, in the system's words; empty when no
  /// reason shows.
  virtual std::string readProblem(const std::string& path) = 0;
  virtual std::string writeProblem(const std::string& path) = 0;
  /// Which file path names, so that two spellings of one file are told apart from two files;
  /// none when that can't be found out.
  virtual std::optional<FileIdentity> identify(const std::string& path) = 0;
};

/// The files of the file system, paths as the bytes given.
class DiskFiles : public FileAccess {
 public:
  WholeFile read(const std::string& path) override;
  WholeFile readText(const std::string& path) override;
  std::unique_ptr<ByteSink> create(const std::string& path, bool text) override;
  std::string readProblem(const std::string& path) override;
  std::string writeProblem(const std::string& path) override;
  std::optional<FileIdentity> identify(const std::string& path) override;

 private:
  std::map<std::string, std::string> closeProblems_;  // by path, of files whose close failed
};

/// Files held in memory by path; what a run creates appears among them.
class MemoryFiles : public FileAccess {
 public:
  std::map<std::string, std::string> files;

  WholeFile read(const std::string& path) override;
  /// Memory has no text mode: the bytes as they are.
  WholeFile readText(const std::string& path) override { return read(path); }
  std::unique_ptr<ByteSink> create(const std::string& path, bool text) override;
  std::string readProblem(const std::string& path) override;
  std::string writeProblem(const std::string&) override { return {}; }
  /// A path is its own identity.
  std::optional<FileIdentity> identify(const std::string& path) override;
};

}  // namespace regforge
