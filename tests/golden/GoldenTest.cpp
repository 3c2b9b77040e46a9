// End-to-end cases: each folder under cases/ that holds an "args" file is one run of the
// program. The run happens in a fresh working directory filled from the case's in/ folder;
// afterwards every file of out/ must exist with exactly those bytes, no other file may have
// appeared there or in the folder above it, and standard output, standard error and the exit
// status must match the case's "stdout", "stderr" and "status" files (empty, empty and 0 when
// absent).
// A case with a "corpus" file runs on a folder of the shared corpus: each of its lines names
// one, which appears in the working directory under its own name (a link, never a copy); the
// case is skipped when the corpus is absent.
// Each case also runs in memory through the program's own sequence, unless it needs the disk;
// a corpus folder is then copied into memory under its own name.
//
// On Windows the vector table and the standard streams are text-mode files, so each of their
// lines ends in CR LF there; the memory map is written in binary and is the same everywhere.
// A case whose output differs on Windows for another reason (a CR in an input read in text
// mode, which Windows drops before a line end) holds the Windows form in out-windows/. The
// run in memory has no text mode and gives the same bytes on every system.
//
// With REGFORGE_GOLDEN_UPDATE=1 in the environment the outputs of failing cases are written
// into the case instead; read every changed file against the rules before committing it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "Process.h"
#include "ProgramRun.h"
#include "driver/Driver.h"

namespace fs = std::filesystem;
using namespace regforge::testsupport;

namespace {

const fs::path kCasesDir = REGFORGE_GOLDEN_DIR;
const fs::path kCorpusDir = REGFORGE_CORPUS_DIR;

void writeFile(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

std::vector<std::string> findCases() {
  std::vector<std::string> cases;
  if (!fs::exists(kCasesDir)) return cases;
  for (const auto& entry : fs::recursive_directory_iterator(kCasesDir)) {
    if (entry.is_regular_file() && entry.path().filename() == "args") {
      cases.push_back(fs::relative(entry.path().parent_path(), kCasesDir).string());
    }
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

// The expected bytes of an output file of the case.
std::string expectedOutput(const fs::path& caseDir, const std::string& file) {
  if (kWindows && fs::exists(caseDir / "out-windows" / file))
    return readFile(caseDir / "out-windows" / file);
  const std::string bytes = readFile(caseDir / "out" / file);
  // An input the run must leave alone is expected as it is.
  const bool written = bytes != readFile(caseDir / "in" / file);
  return written && fs::path(file).extension() == ".vec" ? asTextFile(bytes) : bytes;
}

// A file of the case ("status", "stdout", "stderr"), or what its absence stands for.
std::string expectedText(const fs::path& caseDir, const char* name, const char* otherwise) {
  return fs::exists(caseDir / name) ? readFile(caseDir / name) : std::string(otherwise);
}

class GoldenTest : public testing::TestWithParam<std::string> {};

TEST_P(GoldenTest, OutputMatches) {
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
  if (fs::exists(caseDir / "corpus")) {
    for (const std::string& folder : readArguments(caseDir / "corpus")) {
      if (!fs::is_directory(kCorpusDir / folder)) {
        fs::remove_all(scratch);
        GTEST_SKIP() << "no corpus folder " << folder;
      }
      std::error_code error;
      fs::create_directory_symlink(kCorpusDir / folder, workDir / fs::path(folder).filename(),
                                   error);
      if (error) {  // Wine makes no folder links
        fs::remove_all(scratch);
        GTEST_SKIP() << "no link to a corpus folder here: " << error.message();
      }
    }
  }

  const ProgramRun run = runRegforge(workDir, readArguments(caseDir / "args"));
  // The cases hold the Linux outputs, from which the Windows ones follow.
  const bool update = !kWindows && std::getenv("REGFORGE_GOLDEN_UPDATE") != nullptr;

  EXPECT_EQ(std::stoi(expectedText(caseDir, "status", "0\n")), run.status);
  EXPECT_EQ(asTextFile(expectedText(caseDir, "stdout", "")), run.out);
  EXPECT_EQ(asTextFile(expectedText(caseDir, "stderr", "")), run.err);

  std::set<std::string> expectedFiles = filesBelow(caseDir / "in");
  for (const std::string& file : filesBelow(caseDir / "out")) {
    expectedFiles.insert(file);
    const std::string expected = expectedOutput(caseDir, file);
    const std::string actual = readFile(workDir / file);
    EXPECT_TRUE(expected == actual)
        << "out/" << file << " differs at " << firstDifference(expected, actual);
  }
  const std::set<std::string> actualFiles = filesBelow(workDir);
  EXPECT_EQ(expectedFiles, actualFiles) << "the files after the run differ from in/ and out/";
  // Nothing beside the working directory either: a name that climbs out of it lands here.
  std::set<std::string> outside;
  for (const std::string& file : filesBelow(scratch)) {
    if (!actualFiles.count(fs::path(file).lexically_relative("work").generic_string()))
      outside.insert(file);
  }
  EXPECT_TRUE(outside.empty()) << "the run wrote " << *outside.begin() << " outside its folder";

  if (update && HasFailure()) {
    const std::set<std::string> inputs = filesBelow(caseDir / "in");
    for (const std::string& file : actualFiles) {
      if (!inputs.count(file) || readFile(workDir / file) != readFile(caseDir / "in" / file)) {
        writeFile(caseDir / "out" / file, readFile(workDir / file));
      }
    }
    if (run.status != 0) writeFile(caseDir / "status", std::to_string(run.status) + "\n");
    if (!run.out.empty()) writeFile(caseDir / "stdout", run.out);
    if (!run.err.empty()) writeFile(caseDir / "stderr", run.err);
  }
  fs::remove_all(scratch);
}

// The same case run in memory, through the program's own sequence: every file of in/ is
// there under its name, and the run must give the same status, messages and files. A case
// whose folder holds "on-disk" needs the file system itself (permissions, links) and is run
// as a process only.
TEST_P(GoldenTest, SameRunInMemory) {
  const fs::path caseDir = kCasesDir / GetParam();
  if (fs::exists(caseDir / "on-disk")) GTEST_SKIP() << readFile(caseDir / "on-disk");
  regforge::MemoryFiles files;
  for (const std::string& file : filesBelow(caseDir / "in"))
    files.files[file] = readFile(caseDir / "in" / file);
  std::set<std::string> corpusFiles;
  if (fs::exists(caseDir / "corpus")) {
    for (const std::string& folder : readArguments(caseDir / "corpus")) {
      if (!fs::is_directory(kCorpusDir / folder)) GTEST_SKIP() << "no corpus folder " << folder;
      const std::string name = fs::path(folder).filename().string();
      for (const std::string& file : filesBelow(kCorpusDir / folder)) {
        corpusFiles.insert(name + "/" + file);
        files.files[name + "/" + file] = readFile(kCorpusDir / folder / file);
      }
    }
  }
  std::vector<std::string> arguments = readArguments(caseDir / "args");
  std::vector<const char*> argv{"regforge"};
  for (const std::string& argument : arguments)
    argv.push_back(argument.c_str());
  const regforge::RunOutcome run =
      regforge::runRegforge(static_cast<int>(argv.size()), argv.data(), files);

  EXPECT_EQ(std::stoi(expectedText(caseDir, "status", "0\n")), run.status);
  EXPECT_EQ(expectedText(caseDir, "stdout", ""), run.out);
  EXPECT_EQ(expectedText(caseDir, "stderr", ""), run.err);
  std::set<std::string> expectedFiles = filesBelow(caseDir / "in");
  for (const std::string& file : filesBelow(caseDir / "out")) {
    expectedFiles.insert(file);
    EXPECT_TRUE(files.files[file] == readFile(caseDir / "out" / file)) << "out/" << file;
  }
  std::set<std::string> actualFiles;
  for (const auto& [name, bytes] : files.files) {
    if (!corpusFiles.count(name)) actualFiles.insert(name);
  }
  EXPECT_EQ(expectedFiles, actualFiles);
}

std::string caseName(const testing::TestParamInfo<std::string>& info) {
  std::string name;
  for (char c : info.param)
    name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  return name;
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenTest, testing::ValuesIn(findCases()), caseName);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(GoldenTest);

}  // namespace
