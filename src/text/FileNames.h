// The one gate through which a name from an input (a device of a pack) becomes the name of a
// file that the program writes.
#pragma once

#include <string_view>

namespace regforge {

/// The longest name that may name a file, in bytes, before its extension.
constexpr std::size_t kLongestFileName = 200;

/// Why name can't be a file name in a folder, on any system: nullptr when it can. Refused
/// are names that are empty or too long, that hold a path separator, a ':', "..", a control
/// byte or a character Windows refuses, that end in a dot or a space, and the names that
/// Windows reserves for devices (CON, NUL, COM1 and the like, with any extension).
const char* fileNameProblem(std::string_view name);

}  // namespace regforge
