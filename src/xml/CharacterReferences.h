// Decoding of character data: the five named references, decimal and hexadecimal numeric
// references (their low 8 bits), and, in text between tags, dropped carriage returns.
#pragma once

#include <cstddef>

namespace regforge {

/// The first byte of [begin, end) that decoding changes: a '&', or a carriage return when
/// those are dropped; end when there is none.
const char* firstToDecode(const char* begin, const char* end, bool dropCarriageReturns);

/// Decodes [begin, end) into out, which may be begin itself (the text never grows). A
/// reference that is not complete before end stays as written; a decoded NUL ends the text,
/// as in any C string. Returns the end of what was written.
char* decodeText(const char* begin, const char* end, char* out, bool dropCarriageReturns);

}  // namespace regforge
