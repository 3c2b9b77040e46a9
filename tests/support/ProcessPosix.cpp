// Starting a program and waiting for it on POSIX systems, and the process settings the tests
// change.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "Process.h"

namespace fs = std::filesystem;

namespace regforge::testsupport {

void setEnvironment(const char* name, const char* value) {
  if (value) {
    setenv(name, value, 1);
  } else {
    unsetenv(name);
  }
}

void withoutTemporaryFiles(const std::function<void()>& run) {
  // The lowest free descriptor becomes the limit: every open after it fails.
  const int free = open("/dev/null", O_RDONLY);
  rlimit saved{};
  getrlimit(RLIMIT_NOFILE, &saved);
  close(free);
  rlimit lowered = saved;
  lowered.rlim_cur = static_cast<rlim_t>(free);
  setrlimit(RLIMIT_NOFILE, &lowered);
  run();
  setrlimit(RLIMIT_NOFILE, &saved);
}

unsigned long processId() {
  return static_cast<unsigned long>(getpid());
}

int runProgram(const std::string& program, const std::vector<std::string>& arguments,
               const fs::path& workFolder, const fs::path& outPath, const fs::path& errPath) {
  const pid_t child = fork();
  if (child == 0) {
    if (chdir(workFolder.c_str()) != 0 || !std::freopen(outPath.c_str(), "wb", stdout) ||
        !std::freopen(errPath.c_str(), "wb", stderr)) {
      _exit(127);
    }
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& argument : arguments)
      argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

}  // namespace regforge::testsupport
