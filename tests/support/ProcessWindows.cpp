// Starting a program and waiting for it on Windows, and the process settings the tests change.
#include <windows.h>

#include <cstdlib>

#include "Process.h"

namespace fs = std::filesystem;

namespace regforge::testsupport {
namespace {

// One argument as the C runtime's command-line parser gives it back: quoted when it holds a
// blank, a quote or nothing, with backslashes doubled only where a quote follows them.
std::string quoted(const std::string& argument) {
  if (!argument.empty() && argument.find_first_of(" \t\n\v\"*?") == std::string::npos)
    return argument;
  std::string text = "\"";
  std::size_t backslashes = 0;
  for (const char c : argument) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    text.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
    backslashes = 0;
    text += c;
  }
  text.append(2 * backslashes, '\\');
  return text + '"';
}

HANDLE inheritableFile(const fs::path& path) {
  SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  return CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

void setEnvironment(const char* name, const char* value) {
  // The C library keeps a copy of its own; an empty value removes the variable from it.
  _putenv_s(name, value ? value : "");
  SetEnvironmentVariableA(name, value);
}

void withoutTemporaryFiles(const std::function<void()>& run) {
  const char* saved = std::getenv("TMP");
  const std::string previous = saved ? saved : "";
  setEnvironment("TMP", "/no/such/folder");
  run();
  setEnvironment("TMP", saved ? previous.c_str() : nullptr);
}

unsigned long processId() {
  return GetCurrentProcessId();
}

int runProgram(const std::string& program, const std::vector<std::string>& arguments,
               const fs::path& workFolder, const fs::path& outPath, const fs::path& errPath) {
  std::string commandLine = quoted(program);
  for (const std::string& argument : arguments)
    commandLine += ' ' + quoted(argument);
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = inheritableFile(outPath);
  startup.hStdError = inheritableFile(errPath);
  PROCESS_INFORMATION process{};
  // The arguments go through the ANSI entry point as the bytes they are, in the ANSI code
  // page, as a console hands them on.
  const BOOL started = CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                                      0, nullptr, workFolder.string().c_str(), &startup, &process);
  CloseHandle(startup.hStdOutput);
  CloseHandle(startup.hStdError);
  if (!started) return 127;
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD status = 127;
  GetExitCodeProcess(process.hProcess, &status);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  return static_cast<int>(status);
}

}  // namespace regforge::testsupport
