// Text made by a printf format: the attribute that has the compiler check a format against its
// arguments, and printing into the end of a string.
#pragma once

#include <cstdarg>
#include <string>

/// Marks a function whose parameter formatIndex (counting from 1, the object of a member
/// function included) is a printf format for the arguments from firstArgument on.
#define REGFORGE_PRINTF(formatIndex, firstArgument) \
  __attribute__((format(printf, formatIndex, firstArgument)))

namespace regforge {

/// vprintf into the end of text.
void appendFormatted(std::string& text, const char* format, va_list args);

/// printf into the end of text.
void appendFormat(std::string& text, const char* format, ...) REGFORGE_PRINTF(2, 3);

}  // namespace regforge
