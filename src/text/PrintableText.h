// Text of an input made fit for a terminal: a name in a pack or a file could otherwise move
// the cursor, colour the screen or forge a line of the program's output.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace regforge {

/// How much of one input text a message shows, in input bytes: a name or a path.
constexpr std::size_t kPrintedLength = 160;
/// The same for a longer text that a message or warning quotes (a reason, a description).
constexpr std::size_t kPrintedTextLength = 1000;

/// text with each control byte (below 0x20, and 0x7f) as "\xNN", and cut after limit bytes
/// with "... (N bytes)" after it. Other bytes, UTF-8 included, pass unchanged.
std::string printable(std::string_view text, std::size_t limit = kPrintedLength);

}  // namespace regforge
