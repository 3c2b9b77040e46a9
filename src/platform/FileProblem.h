// Why a file cannot be read or written, in the system's own words, for the line that follows an
// error.
#pragma once

#include <string>

namespace regforge {

/// The system's reason why path cannot be opened and read as a file ("No such file or
/// directory", "Is a directory", "Permission denied"); empty when it can be.
std::string fileProblem(const char* path);

/// The system's reason why path cannot be created or replaced as a file; empty when no
/// reason shows.
std::string writeProblem(const char* path);

}  // namespace regforge
