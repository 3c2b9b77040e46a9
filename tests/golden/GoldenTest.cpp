// End-to-end cases: each folder under cases/ that holds an "args" file is one run of the
// program, with the files of the case's in/ folder. Afterwards every file of out/ must exist
// with exactly those bytes, no other file may have appeared, and standard output, standard
// error and the exit status must match the case's "stdout", "stderr" and "status" files
// (empty, empty and 0 when absent).
//
// Each case runs in memory, through the program's own sequence with its files held by path.
// A case that holds a "process" file (one line: what the process run shows) also runs the
// built program in a fresh working directory filled from in/, where nothing may appear in the
// folder above it either: the few that need a process (standard streams, the exit status,
// files replaced on disk, Windows text mode).
//
// On Windows the vector table and the standard streams are text-mode files, so each of their
// lines ends in CR LF there; the memory map is written in binary and is the same everywhere.
// A case whose output differs on Windows for another reason (an input read in text mode,
// where Windows drops a CR before a line end and ends the text at a Ctrl-Z) holds the
// Windows form in out-windows/, which only a process run compares. The run in memory has no
// text mode and gives the same bytes on every system.
//
// With REGFORGE_GOLDEN_UPDATE=1 in the environment the outputs of failing runs are written
// into the case instead; read every changed file against the rules before committing it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "Process.h"
#include "ProgramRun.h"
#include "entry/Entry.h"

namespace fs = std::filesystem;
using namespace regforge::testsupport;

namespace {

const fs::path kCasesDir = REGFORGE_GOLDEN_DIR;

void writeFile(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

// The cases that run in memory (all of them), or as a process.
std::vector<std::string> casesToRun(bool asProcess) {
  std::vector<std::string> cases;
  if (!fs::exists(kCasesDir)) return cases;
  for (const auto& entry : fs::recursive_directory_iterator(kCasesDir)) {
    const fs::path caseDir = entry.path().parent_path();
    if (entry.is_regular_file() && entry.path().filename() == "args" &&
        (!asProcess || fs::exists(caseDir / "process")))
      cases.push_back(fs::relative(caseDir, kCasesDir).string());
  }
  std::sort(cases.begin(), cases.end());
  return cases;
}

// The first line where two texts differ, for a readable failure.
std::string firstDifference(const std::string& expected, const std::string& actual) {
  std::istringstream e(expected), a(actual);
  std::string el, al;
  for (int line = 1;; ++line) {
    const bool moreE = static_cast<bool>(std::getline(e, el));
    const bool moreA = static_cast<bool>(std::getline(a, al));
    if (!moreE && !moreA) return "texts differ only in their final line end";
    if (el != al || moreE != moreA) {
      return "line " + std::to_string(line) + "\n  expected: " + (moreE ? el : "<end>") +
             "\n  actual:   " + (moreA ? al : "<end>");
    }
  }
}

// The expected bytes of an output file of the case; a process run on Windows writes the vector
// table in text mode.
std::string expectedOutput(const fs::path& caseDir, const std::string& file, bool process) {
  if (process && kWindows && fs::exists(caseDir / "out-windows" / file))
    return readFile(caseDir / "out-windows" / file);
  const std::string bytes = readFile(caseDir / "out" / file);
  // An input the run must leave alone is expected as it is.
  const bool written = bytes != readFile(caseDir / "in" / file);
  return process && written && fs::path(file).extension() == ".vec" ? asTextFile(bytes) : bytes;
}

// A file of the case ("status", "stdout", "stderr"), or what its absence stands for.
std::string expectedText(const fs::path& caseDir, const char* name, const char* otherwise) {
  return fs::exists(caseDir / name) ? readFile(caseDir / name) : std::string(otherwise);
}

// Compares a run with the case: status, streams (text-mode files in a process run), and the
// files after the run, which must be in/ and out/ exactly. With REGFORGE_GOLDEN_UPDATE set, what
// a failing run gave becomes the case's expectation; the cases hold the Linux outputs, from
// which the Windows ones follow.
void expectCase(const fs::path& caseDir, bool process, int status, const std::string& out,
                const std::string& err, std::map<std::string, std::string> files) {
  const auto stream = [&](const char* name) {
    const std::string text = expectedText(caseDir, name, "");
    return process ? asTextFile(text) : text;
  };
  EXPECT_EQ(std::stoi(expectedText(caseDir, "status", "0\n")), status);
  EXPECT_EQ(stream("stdout"), out);
  EXPECT_EQ(stream("stderr"), err);
  std::set<std::string> expectedFiles = filesBelow(caseDir / "in"), actualFiles;
  for (const auto& [name, bytes] : files)
    actualFiles.insert(name);
  for (const std::string& file : filesBelow(caseDir / "out")) {
    expectedFiles.insert(file);
    const std::string expected = expectedOutput(caseDir, file, process);
    EXPECT_TRUE(files[file] == expected)
        << "out/" << file << " differs at " << firstDifference(expected, files[file]);
  }
  EXPECT_EQ(expectedFiles, actualFiles) << "the files after the run differ from in/ and out/";
  if (!testing::Test::HasFailure() || kWindows || !std::getenv("REGFORGE_GOLDEN_UPDATE")) return;
  for (const auto& [file, bytes] : files) {
    const fs::path input = caseDir / "in" / file;
    if (!fs::exists(input) || bytes != readFile(input)) writeFile(caseDir / "out" / file, bytes);
  }
  if (status != 0) writeFile(caseDir / "status", std::to_string(status) + "\n");
  if (!out.empty()) writeFile(caseDir / "stdout", out);
  if (!err.empty()) writeFile(caseDir / "stderr", err);
}

class GoldenProcessRun : public testing::TestWithParam<std::string> {};

TEST_P(GoldenProcessRun, OutputMatches) {
  const fs::path caseDir = kCasesDir / GetParam();
  const fs::path scratch =
      fs::temp_directory_path() / ("regforge-golden-" + std::to_string(processId()) + "-" +
                                   std::to_string(std::hash<std::string>()(GetParam())));
  const fs::path workDir = scratch / "work";
  fs::remove_all(scratch);
  fs::create_directories(workDir);
  // File by file: the Windows C++ library's recursive copy fails on folders within folders.
  for (const std::string& file : filesBelow(caseDir / "in")) {
    fs::create_directories((workDir / file).parent_path());
    fs::copy_file(caseDir / "in" / file, workDir / file);
  }
  const ProgramRun run = runRegforge(workDir, readArguments(caseDir / "args"));
  std::map<std::string, std::string> files;
  for (const std::string& file : filesBelow(workDir))
    files[file] = readFile(workDir / file);
  // Nothing beside the working directory either: a name that climbs out of it lands here.
  std::set<std::string> outside;
  for (const std::string& file : filesBelow(scratch)) {
    if (!files.count(fs::path(file).lexically_relative("work").generic_string()))
      outside.insert(file);
  }
  EXPECT_TRUE(outside.empty()) << "the run wrote " << *outside.begin() << " outside its folder";
  expectCase(caseDir, true, run.status, run.out, run.err, files);
  fs::remove_all(scratch);
}

// The run in memory: every file of in/ is there under its name.
class GoldenRunInMemory : public testing::TestWithParam<std::string> {};

TEST_P(GoldenRunInMemory, OutputMatches) {
  const fs::path caseDir = kCasesDir / GetParam();
  EXPECT_TRUE(!fs::exists(caseDir / "out-windows") || fs::exists(caseDir / "process"))
      << "out-windows/ is compared by a process run only: the case needs a \"process\" file";
  regforge::MemoryFiles files;
  for (const std::string& file : filesBelow(caseDir / "in"))
    files.files[file] = readFile(caseDir / "in" / file);
  std::vector<std::string> arguments = readArguments(caseDir / "args");
  std::vector<const char*> argv{"regforge"};
  for (const std::string& argument : arguments)
    argv.push_back(argument.c_str());
  const regforge::RunOutcome run =
      regforge::runRegforge(static_cast<int>(argv.size()), argv.data(), files);
  expectCase(caseDir, false, run.status, run.out, run.err, files.files);
}

std::string caseName(const testing::TestParamInfo<std::string>& info) {
  std::string name;
  for (char c : info.param)
    name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  return name;
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenRunInMemory, testing::ValuesIn(casesToRun(false)), caseName);
INSTANTIATE_TEST_SUITE_P(Cases, GoldenProcessRun, testing::ValuesIn(casesToRun(true)), caseName);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(GoldenRunInMemory);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(GoldenProcessRun);

}  // namespace
