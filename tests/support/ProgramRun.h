// What the tests that run the built program, or read the files a run leaves, share.
#pragma once

#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace regforge::testsupport {

/// The bytes of a file; empty when it can't be read.
std::string readFile(const std::filesystem::path& path);

/// What a text-mode file or stream holds on this system for the given lines.
std::string asTextFile(const std::string& lines);

/// The regular files below a folder, as paths relative to it; empty when it doesn't exist.
std::set<std::string> filesBelow(const std::filesystem::path& folder);

/// One argument per line (an empty line is an empty argument), as the golden cases hold them.
std::vector<std::string> readArguments(const std::filesystem::path& path);

struct ProgramRun {
  int status = -1;  ///< exit status, or 128 + the signal that ended the program
  std::string out;  ///< standard output
  std::string err;  ///< standard error
};

/// Runs the built regforge with arguments in workFolder and waits for it.
ProgramRun runRegforge(const std::filesystem::path& workFolder,
                       const std::vector<std::string>& arguments);

}  // namespace regforge::testsupport
