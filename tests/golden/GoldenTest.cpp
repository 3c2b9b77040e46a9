// End-to-end cases: each folder under cases/ that holds an "args" file is one run of the
// program. The run happens in a fresh working directory filled from the case's in/ folder;
// afterwards every file of out/ must exist with exactly those bytes, no other file may have
// appeared, and standard output, standard error and the exit status must match the case's
// "stdout", "stderr" and "status" files (empty, empty and 0 when absent).
// A case with a "corpus" file runs on a folder of the shared corpus: each of its lines names
// one, which appears in the working directory under its own name (a link, never a copy); the
// case is skipped when the corpus is absent.
// Each case also runs in memory through the program's own sequence, unless it needs the disk.
//
// With REGFORGE_GOLDEN_UPDATE=1 in the environment the outputs of failing cases are written
// into the case instead; read every changed file against the rules before committing it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

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

class GoldenTest : public testing::TestWithParam<std::string> {};

TEST_P(GoldenTest, OutputMatches) {
  const fs::path caseDir = kCasesDir / GetParam();
  const fs::path scratch =
      fs::temp_directory_path() / ("regforge-golden-" + std::to_string(getpid()) + "-" +
                                   std::to_string(std::hash<std::string>()(GetParam())));
  const fs::path workDir = scratch / "work";
  fs::remove_all(scratch);
  fs::create_directories(workDir);
  if (fs::exists(caseDir / "in")) fs::copy(caseDir / "in", workDir, fs::copy_options::recursive);
  if (fs::exists(caseDir / "corpus")) {
    for (const std::string& folder : readArguments(caseDir / "corpus")) {
      if (!fs::is_directory(kCorpusDir / folder)) {
        fs::remove_all(scratch);
        GTEST_SKIP() << "no corpus folder " << folder;
      }
      fs::create_directory_symlink(kCorpusDir / folder, workDir / fs::path(folder).filename());
    }
  }

  const ProgramRun run = runRegforge(workDir, readArguments(caseDir / "args"));
  const bool update = std::getenv("REGFORGE_GOLDEN_UPDATE") != nullptr;

  const std::string expectedStatus =
      fs::exists(caseDir / "status") ? readFile(caseDir / "status") : "0\n";
  EXPECT_EQ(std::stoi(expectedStatus), run.status);
  const std::string expectedOut =
      fs::exists(caseDir / "stdout") ? readFile(caseDir / "stdout") : "";
  const std::string expectedErr =
      fs::exists(caseDir / "stderr") ? readFile(caseDir / "stderr") : "";
  EXPECT_EQ(expectedOut, run.out);
  EXPECT_EQ(expectedErr, run.err);

  std::set<std::string> expectedFiles = filesBelow(caseDir / "in");
  for (const std::string& file : filesBelow(caseDir / "out")) {
    expectedFiles.insert(file);
    const std::string expected = readFile(caseDir / "out" / file);
    const std::string actual = readFile(workDir / file);
    EXPECT_TRUE(expected == actual)
        << "out/" << file << " differs at " << firstDifference(expected, actual);
  }
  const std::set<std::string> actualFiles = filesBelow(workDir);
  EXPECT_EQ(expectedFiles, actualFiles) << "the files after the run differ from in/ and out/";

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
// whose folder holds "on-disk" needs the file system itself (folders, permissions) and is
// run as a process only.
TEST_P(GoldenTest, SameRunInMemory) {
  const fs::path caseDir = kCasesDir / GetParam();
  if (fs::exists(caseDir / "on-disk")) GTEST_SKIP() << readFile(caseDir / "on-disk");
  if (fs::exists(caseDir / "corpus")) GTEST_SKIP() << "runs on the shared corpus, on disk";
  regforge::MemoryFiles files;
  for (const std::string& file : filesBelow(caseDir / "in"))
    files.files[file] = readFile(caseDir / "in" / file);
  std::vector<std::string> arguments = readArguments(caseDir / "args");
  std::vector<const char*> argv{"regforge"};
  for (const std::string& argument : arguments)
    argv.push_back(argument.c_str());
  const regforge::RunOutcome run =
      regforge::runRegforge(static_cast<int>(argv.size()), argv.data(), files);

  const auto expected = [&](const char* name, const char* otherwise) {
    return fs::exists(caseDir / name) ? readFile(caseDir / name) : std::string(otherwise);
  };
  EXPECT_EQ(std::stoi(expected("status", "0\n")), run.status);
  EXPECT_EQ(expected("stdout", ""), run.out);
  EXPECT_EQ(expected("stderr", ""), run.err);
  std::set<std::string> expectedFiles = filesBelow(caseDir / "in");
  for (const std::string& file : filesBelow(caseDir / "out")) {
    expectedFiles.insert(file);
    EXPECT_TRUE(files.files[file] == readFile(caseDir / "out" / file)) << "out/" << file;
  }
  std::set<std::string> actualFiles;
  for (const auto& [name, bytes] : files.files)
    actualFiles.insert(name);
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
