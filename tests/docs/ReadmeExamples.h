// The worked examples of README.md: fenced blocks marked with the test case and the file they
// show, and the rule by which a block that leaves parts out still matches its file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace regforge::docs {

/// One fenced block of the README, marked by a line `<!-- example: CASE FILE [excerpt] -->`
/// right before its opening fence.
struct MarkedBlock {
  std::string caseName;  ///< folder below the golden cases, such as readme/ddf
  std::string file;      ///< "command", or a path inside the case such as in/timer.ddf
  bool excerpt = false;  ///< lines of "..." stand for parts of the file left out
  std::string text;      ///< the lines between the fences, each ending in a line feed
  int line = 0;          ///< README line of the marker, counted from 1
};

/// The marked blocks of a README, in order. A marker without a fenced block after it, or
/// a block without its closing fence, is returned in `problems` with its line.
std::vector<MarkedBlock> findMarkedBlocks(std::string_view readme,
                                          std::vector<std::string>& problems);

/// True when every part of `excerpt` between its "..." lines is a run of whole consecutive
/// lines of `text`, the parts in order and without overlap.
bool excerptMatches(std::string_view excerpt, std::string_view text);

/// The command line a case runs, as the README shows it: "regforge", then the arguments
/// separated by blanks, then a line feed. Empty when an argument would need quoting.
std::string commandLine(const std::vector<std::string>& arguments);

}  // namespace regforge::docs
