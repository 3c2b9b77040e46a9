// The same rule on every system: a pack converted on Linux must not make a file that a Windows
// user of the same folder can't open, nor one that escapes the folder anywhere.
#include "text/FileNames.h"

#include "text/ByteText.h"

namespace regforge {
namespace {

constexpr std::string_view kReservedNames[] = {"CON", "PRN", "AUX", "NUL"};
constexpr std::string_view kNumberedNames[] = {"COM", "LPT"};
constexpr std::string_view kRefusedByWindows = "<>\"|?*";

// CON, NUL, COM1 and the like name devices on Windows, whatever follows a dot and whatever
// spaces come before it.
bool isReservedName(std::string_view name) {
  std::string_view stem = name.substr(0, name.find('.'));
  while (!stem.empty() && stem.back() == ' ')
    stem.remove_suffix(1);
  for (const std::string_view reserved : kReservedNames) {
    if (equalsIgnoreAsciiCase(stem, reserved)) return true;
  }
  for (const std::string_view numbered : kNumberedNames) {
    if (stem.size() == 4 && equalsIgnoreAsciiCase(stem.substr(0, 3), numbered) && stem[3] >= '0' &&
        stem[3] <= '9') {
      return true;
    }
  }
  return false;
}

}  // namespace

const char* fileNameProblem(std::string_view name) {
  if (name.empty()) return "the name is empty";
  if (name.size() > kLongestFileName) return "the name is longer than 200 bytes";
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7f) return "the name holds a control byte";
    if (c == '/' || c == '\\') return "the name holds a path separator";
    if (c == ':') return "the name holds a ':'";
    if (contains(kRefusedByWindows, std::string_view(&c, 1))) {
      return "the name holds a character that Windows refuses";
    }
  }
  if (contains(name, "..")) return "the name holds \"..\"";
  if (name.back() == '.' || name.back() == ' ') return "the name ends in a dot or a space";
  if (isReservedName(name)) return "Windows reserves the name for a device";
  return nullptr;
}

}  // namespace regforge
