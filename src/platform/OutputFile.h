// An output file that is either complete or not there: a regular file is written under a
// temporary name beside it and takes its name only once every byte is written.
#pragma once

#include <cstdio>
#include <string>

namespace regforge {

class OutputFile {
 public:
  enum class Mode { Binary, Text };

  OutputFile() = default;
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;
  /// Without a successful commit(), the temporary file is removed and the destination stays
  /// as it was.
  ~OutputFile();

  /// Opens path for writing. A symbolic link is followed: its target gets the content. A
  /// regular file, or one that does not exist yet, is written as a temporary file in the same
  /// folder; other files (a device, a FIFO), and files in a folder where no file can be made,
  /// are written in place. False when nothing can be opened.
  bool open(const std::string& path, Mode mode);
  /// The stream to write to, from a successful open() to commit().
  std::FILE* stream() const { return stream_; }
  /// Flushes and closes the stream and moves the temporary file into place, with the
  /// permission bits of the file it replaces. False when any write failed, the close
  /// included, or the file could not take its name.
  bool commit();
  /// The system's reason why the last commit() failed; empty when none showed.
  const std::string& problem() const { return problem_; }

 private:
  std::FILE* stream_ = nullptr;
  std::string destination_;
  std::string temporary_;  // empty when written in place
  std::string problem_;
};

}  // namespace regforge
