// Decoding character and entity references, and dropping carriage returns, in place.
#include "xml/CharacterReferences.h"

#include <cstring>

namespace regforge {
namespace {

struct NamedReference {
  const char* text;  // after the '&'
  char byte;
};
constexpr NamedReference kNamedReferences[] = {
    {"amp;", '&'}, {"lt;", '<'}, {"gt;", '>'}, {"quot;", '"'}, {"apos;", '\''}};

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The reference starting at the '&' at r, within [r, end): its length and byte, or 0.
std::size_t matchReference(const char* r, const char* end, unsigned char& byte) {
  const std::size_t room = static_cast<std::size_t>(end - r) - 1;
  for (const NamedReference& named : kNamedReferences) {
    const std::size_t length = std::strlen(named.text);
    if (length <= room && std::memcmp(r + 1, named.text, length) == 0) {
      byte = static_cast<unsigned char>(named.byte);
      return length + 1;
    }
  }
  if (room < 3 || r[1] != '#') return 0;
  const bool hex = r[2] == 'x';
  const char* digit = r + (hex ? 3 : 2);
  const char* first = digit;
  unsigned value = 0;  // only the low 8 bits are kept
  for (; digit < end; ++digit) {
    const int d = hex ? hexDigit(*digit) : (*digit >= '0' && *digit <= '9' ? *digit - '0' : -1);
    if (d < 0) break;
    value = (value * (hex ? 16 : 10) + static_cast<unsigned>(d)) & 0xFF;
  }
  if (digit == first || digit == end || *digit != ';') return 0;
  byte = static_cast<unsigned char>(value);
  return static_cast<std::size_t>(digit + 1 - r);
}

}  // namespace

// The bytes a scan for decoding stops at, with and without carriage returns: one look-up a
// byte over the texts of a whole file.
struct StopBytes {
  bool stops[2][256] = {};
  constexpr StopBytes() {
    constexpr auto amp = static_cast<unsigned char>('&');
    constexpr auto cr = static_cast<unsigned char>('\r');
    stops[0][amp] = stops[1][amp] = stops[1][cr] = true;
  }
};
constexpr StopBytes kStopBytes;

const char* firstToDecode(const char* begin, const char* end, bool dropCarriageReturns) {
  const bool* stops = kStopBytes.stops[dropCarriageReturns ? 1 : 0];
  const char* r = begin;
  while (r < end && !stops[static_cast<unsigned char>(*r)])
    ++r;
  return r;
}

char* decodeText(const char* begin, const char* end, char* out, bool dropCarriageReturns) {
  const char* r = begin;
  while (r < end) {
    if (*r == '&') {
      unsigned char byte = 0;
      if (const std::size_t length = matchReference(r, end, byte)) {
        if (byte == 0) break;  // a NUL ends the text, as in any C string
        *out++ = static_cast<char>(byte);
        r += length;
        continue;
      }
    } else if (dropCarriageReturns && *r == '\r') {
      ++r;
      continue;
    }
    *out++ = *r++;
  }
  return out;
}

}  // namespace regforge
