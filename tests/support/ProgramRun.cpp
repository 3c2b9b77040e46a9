#include "ProgramRun.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

namespace fs = std::filesystem;

namespace regforge::testsupport {

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::set<std::string> filesBelow(const fs::path& folder) {
  std::set<std::string> files;
  if (!fs::exists(folder)) return files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file()) files.insert(fs::relative(entry.path(), folder).string());
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
  const fs::path capture = fs::temp_directory_path() / ("regforge-run-" + std::to_string(getpid()) +
                                                        "-" + std::to_string(++runs));
  fs::create_directories(capture);
  const fs::path outPath = capture / "stdout";
  const fs::path errPath = capture / "stderr";
  const pid_t child = fork();
  if (child == 0) {
    if (chdir(workFolder.c_str()) != 0 || !std::freopen(outPath.c_str(), "wb", stdout) ||
        !std::freopen(errPath.c_str(), "wb", stderr)) {
      _exit(127);
    }
    std::vector<char*> argv{const_cast<char*>(REGFORGE_BINARY)};
    for (const std::string& argument : arguments)
      argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    execv(REGFORGE_BINARY, argv.data());
    _exit(127);
  }
  int status = 0;
  waitpid(child, &status, 0);
  ProgramRun run;
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  run.out = readFile(outPath);
  run.err = readFile(errPath);
  fs::remove_all(capture);
  return run;
}

}  // namespace regforge::testsupport
