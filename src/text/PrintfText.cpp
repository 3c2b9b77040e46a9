// Text made by a printf format: the length is asked first, then the text printed in place.
#include "text/PrintfText.h"

#include <cstdio>

namespace regforge {

void appendFormatted(std::string& text, const char* format, va_list args) {
  va_list again;
  va_copy(again, args);
  const int size = std::vsnprintf(nullptr, 0, format, args);
  if (size > 0) {
    const std::size_t end = text.size();
    text.resize(end + static_cast<std::size_t>(size) + 1);
    std::vsnprintf(&text[end], static_cast<std::size_t>(size) + 1, format, again);
    text.resize(end + static_cast<std::size_t>(size));
  }
  va_end(again);
}

void appendFormat(std::string& text, const char* format, ...) {
  va_list args;
  va_start(args, format);
  appendFormatted(text, format, args);
  va_end(args);
}

}  // namespace regforge
