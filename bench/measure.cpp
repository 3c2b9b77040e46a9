// Runs one command and prints its wall time in seconds, its peak resident memory in KiB and
// its user plus system CPU time in seconds, with nothing of the shell or of a timing tool in
// the figures.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fputs("usage: measure COMMAND [ARGUMENTS...]\n", stderr);
    return 2;
  }
  timespec start{}, end{};
  clock_gettime(CLOCK_MONOTONIC, &start);
  const pid_t child = fork();
  if (child == 0) {
    execv(argv[1], argv + 1);
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  clock_gettime(CLOCK_MONOTONIC, &end);
  const double seconds = static_cast<double>(end.tv_sec - start.tv_sec) +
                         static_cast<double>(end.tv_nsec - start.tv_nsec) / 1e9;
  const auto cpu = [](const timeval& t) {
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
  };
  std::printf("%.6f %ld %.6f\n", seconds, usage.ru_maxrss,
              cpu(usage.ru_utime) + cpu(usage.ru_stime));
  return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}
