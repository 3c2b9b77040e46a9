// Reading the files a run leaves, and the argument files of golden cases.
#include "ProgramRun.h"

#include "Process.h"

#include <fstream>
#include <iterator>
#include <sstream>

namespace fs = std::filesystem;

namespace regforge::testsupport {

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string asTextFile(const std::string& lines) {
  if (!kWindows) return lines;
  std::string text;
  for (const char c : lines) {
    if (c == '\n') text += '\r';
    text += c;
  }
  return text;
}

std::set<std::string> filesBelow(const fs::path& folder) {
  std::set<std::string> files;
  if (!fs::exists(folder)) return files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file()) files.insert(fs::relative(entry.path(), folder).generic_string());
  }
  return files;
}

std::vector<std::string> readArguments(const fs::path& path) {
  std::vector<std::string> arguments;
  std::istringstream lines(readFile(path));
  for (std::string line; std::getline(lines, line);)
    arguments.push_back(line);
  return arguments;
}

ProgramRun runRegforge(const fs::path& workFolder, const std::vector<std::string>& arguments) {
  // The streams go to files beside nothing the run may look at.
  static int runs = 0;
  const fs::path capture =
      fs::temp_directory_path() /
      ("regforge-run-" + std::to_string(processId()) + "-" + std::to_string(++runs));
  fs::create_directories(capture);
  ProgramRun run;
  run.status =
      runProgram(REGFORGE_BINARY, arguments, workFolder, capture / "stdout", capture / "stderr");
  run.out = readFile(capture / "stdout");
  run.err = readFile(capture / "stderr");
  fs::remove_all(capture);
  return run;
}

}  // namespace regforge::testsupport
