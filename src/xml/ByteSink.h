// Where written bytes go: a one-method sink, and the one that appends to a string.
#pragma once

#include <string>
#include <string_view>

namespace regforge {

class ByteSink {
 public:
  virtual ~ByteSink() = default;
  /// Takes the bytes; a sink that can't keep them drops them (write errors are not reported
  /// here: whoever owns the file behind a sink learns of them when it closes the file).
  virtual void write(std::string_view bytes) = 0;
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
