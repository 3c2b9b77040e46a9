// How a run reaches its files, folders and archives, and where it reports how far it got: the
// disk for the program; memory for the tests and the fuzz targets, which then run the
// program's own sequence without a process or a folder.
#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/FileIdentity.h"
#include "platform/Files.h"
#include "platform/ZipArchive.h"
#include "xml/ByteSink.h"

namespace regforge {

/// An output file being written: bytes go in as to any sink; commit() completes the file.
class OutputSink : public ByteSink {
 public:
  /// Completes the file; false when any byte could not be kept (a write or the close
  /// failed). Without a commit the file is left out, and an existing one keeps its content.
  virtual bool commit() = 0;
};

/// How far a long run got: step (from 1) of total has begun, or has ended with a conversion
/// made or failed; a step with nothing to convert doesn't end.
struct ProgressStep {
  std::size_t step = 0;
  std::size_t total = 0;
  bool ended = false;
};

class FileAccess {
 public:
  virtual ~FileAccess() = default;
  /// The whole file at path with a NUL after it, up to XMLDocument::kLargestInput bytes.
  virtual WholeFile read(const std::string& path) = 0;
  /// As read, for a reader of lines: on a system with a text mode the file is read in it.
  virtual WholeFile readText(const std::string& path) = 0;
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

  /// The zip archive at path, read in place; none when it can't be opened or is no archive.
  virtual std::optional<ZipArchive> openArchive(const std::string& path) = 0;
  /// True when path names an existing regular file, in its own letter case.
  virtual bool isFile(const std::string& path) = 0;
  /// True when path names an existing folder.
  virtual bool isFolder(const std::string& path) = 0;
  /// The names of the regular files directly in folder whose names end in suffix, letter
  /// case aside, in name order.
  virtual std::vector<std::string> filesEndingIn(const std::string& folder,
                                                 std::string_view suffix) = 0;
  /// Makes the folder at path, and those above it, unless it exists; false when it can't.
  virtual bool makeFolder(const std::string& path) = 0;
  /// The file folder/relative ('/' separators), or else one whose path below folder differs
  /// from it in letter case only (the first such name in each folder, in name order); none
  /// when neither exists.
  virtual std::optional<std::string> findFileIgnoringCase(const std::string& folder,
                                                          const std::string& relative) = 0;
  /// True when path, its links followed, is a file inside folder (empty for the current
  /// one), its links followed too.
  virtual bool isInsideFolder(const std::string& folder, const std::string& path) = 0;

  /// A long run's progress, shown or not as the program's entry decides; no output of the run.
  virtual void progress(const ProgressStep& step) = 0;
};

/// How the driver shows a long run's count.
using ProgressDisplay = std::function<void(const ProgressStep& step)>;

/// The files of the file system, paths as the bytes given.
class DiskFiles : public FileAccess {
 public:
  explicit DiskFiles(ProgressDisplay display = {}) : display_(std::move(display)) {}

  WholeFile read(const std::string& path) override;
  WholeFile readText(const std::string& path) override;
  std::unique_ptr<OutputSink> create(const std::string& path, bool text) override;
  std::string readProblem(const std::string& path) override;
  std::string writeProblem(const std::string& path) override;
  std::optional<FileIdentity> identify(const std::string& path) override;
  std::optional<ZipArchive> openArchive(const std::string& path) override;
  bool isFile(const std::string& path) override;
  bool isFolder(const std::string& path) override;
  std::vector<std::string> filesEndingIn(const std::string& folder,
                                         std::string_view suffix) override;
  bool makeFolder(const std::string& path) override;
  std::optional<std::string> findFileIgnoringCase(const std::string& folder,
                                                  const std::string& relative) override;
  bool isInsideFolder(const std::string& folder, const std::string& path) override;
  void progress(const ProgressStep& step) override;

 private:
  std::map<std::string, std::string> closeProblems_;  // by path, of files whose close failed
  ProgressDisplay display_;
};

/// Files held in memory by path ('/' separated, relative to the working folder, without "."
/// steps; "./a//b" names "a/b"); what a run creates appears among them once closed. A folder is
/// there when a file below it is, or once it is made. There are no links, and letter case tells
/// names apart.
class MemoryFiles : public FileAccess {
 public:
  std::map<std::string, std::string> files;
  std::set<std::string> folders;    ///< made by the run, without a final '/'
  std::vector<ProgressStep> steps;  ///< the progress reported

  WholeFile read(const std::string& path) override;
  /// Memory has no text mode: the bytes as they are.
  WholeFile readText(const std::string& path) override { return read(path); }
  std::unique_ptr<OutputSink> create(const std::string& path, bool text) override;
  std::string readProblem(const std::string& path) override;
  std::string writeProblem(const std::string& path) override;
  /// A path, in any of its spellings, is its own identity.
  std::optional<FileIdentity> identify(const std::string& path) override;
  /// The archive read in place from the bytes held.
  std::optional<ZipArchive> openArchive(const std::string& path) override;
  bool isFile(const std::string& path) override;
  bool isFolder(const std::string& path) override;
  std::vector<std::string> filesEndingIn(const std::string& folder,
                                         std::string_view suffix) override;
  bool makeFolder(const std::string& path) override;
  std::optional<std::string> findFileIgnoringCase(const std::string& folder,
                                                  const std::string& relative) override;
  bool isInsideFolder(const std::string& folder, const std::string& path) override;
  void progress(const ProgressStep& step) override { steps.push_back(step); }

 private:
  /// The bytes of the file at path; null when there is none.
  const std::string* bytesAt(const std::string& path) const;
  /// The names directly in folder ("" for the working folder) that lead to a file, in order:
  /// a made folder that holds none leads a look-up nowhere.
  std::set<std::string> entries(const std::string& folder) const;
};

}  // namespace regforge
