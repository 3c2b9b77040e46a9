// Where written bytes go: a one-method sink, with a file and a string behind it.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "platform/Files.h"

namespace regforge {

class ByteSink {
 public:
  virtual ~ByteSink() = default;
  /// Takes the bytes; a sink that can't keep them drops them (write errors are not reported).
  virtual void write(std::string_view bytes) = 0;
  /// The open file behind the sink, for copies the system can make from file to file; null
  /// for a sink in memory.
  virtual std::FILE* file() { return nullptr; }
  /// Ends the output; false when any byte could not be kept (a write or the close failed).
  virtual bool close() { return true; }
};

/// A sink that writes to a file it owns, through the file's buffer.
class FileSink : public ByteSink {
 public:
  explicit FileSink(File file) : file_(std::move(file)) {}
  void write(std::string_view bytes) override {
    std::fwrite(bytes.data(), 1, bytes.size(), file_.get());
  }
  std::FILE* file() override { return file_.get(); }

 private:
  File file_;
};

/// A sink that appends to a string it does not own.
class StringSink : public ByteSink {
 public:
  explicit StringSink(std::string& text) : text_(text) {}
  void write(std::string_view bytes) override { text_.append(bytes.data(), bytes.size()); }

 private:
  std::string& text_;
};

}  // namespace regforge
