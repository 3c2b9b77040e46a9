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

/// An output file being written: bytes go in as to any sink; commit() completes the file.
class OutputSink : public ByteSink {
 public:
  /// Completes the file; false when any byte could not be kept (a write or the close
  /// failed). Without a commit the file is left out, and an existing one keeps its content.
  virtual bool commit() = 0;
};

class FileAccess {
 public:
  virtual ~FileAccess() = default;
  /// The whole file at path with a NUL after it, up to XMLDocument::kLargestInput bytes.
  virtual WholeFile read(const std::string& path) = 0;
  /// The file at path open for reading lines in text mode; null when it can't be read.
  virtual File openText(const std::string& path) = 0;
  /// A sink that writes the file at path; null when it can't be made. A text file takes the
  /// system's line ends. The file is complete once the sink's commit() succeeds; before, an
  /// existing file may keep its old content.
  virtual std::unique_ptr<OutputSink> create(const std::string& path, bool text) = 0;
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
  File openText(const std::string& path) override;
  std::unique_ptr<OutputSink> create(const std::string& path, bool text) override;
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
  /// A temporary file filled with the text, since line readers take an open file.
  File openText(const std::string& path) override;
  std::unique_ptr<OutputSink> create(const std::string& path, bool text) override;
  std::string readProblem(const std::string& path) override;
  std::string writeProblem(const std::string&) override { return {}; }
  /// A path is its own identity.
  std::optional<FileIdentity> identify(const std::string& path) override;
};

}  // namespace regforge
