// Starting a program and waiting for it, on each system the tests run on.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace regforge::testsupport {

#ifdef _WIN32
inline constexpr bool kWindows = true;
#else
inline constexpr bool kWindows = false;
#endif

/// Sets or, with a null value, removes an environment variable of this process.
void setEnvironment(const char* name, const char* value);

/// Runs run while this process can make no temporary file: on POSIX systems it can open no
/// file at all, on Windows the system's temporary folder is one that does not exist.
void withoutTemporaryFiles(const std::function<void()>& run);

/// This process's id, for names of scratch folders that parallel test runs don't share.
unsigned long processId();

/// Runs program with arguments in workFolder, its standard output and error going to the two
/// files, and waits for it. Gives the exit status, or 128 + the signal that ended it.
int runProgram(const std::string& program, const std::vector<std::string>& arguments,
               const std::filesystem::path& workFolder, const std::filesystem::path& outPath,
               const std::filesystem::path& errPath);

}  // namespace regforge::testsupport
