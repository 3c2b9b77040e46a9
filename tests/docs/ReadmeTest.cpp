// README.md shows one worked example per input kind. Each is a golden case under
// tests/golden/cases/readme/ whose inputs are the files of examples/, so the end-to-end run
// proves the output; these tests prove that the page shows exactly that case, that every such
// case is shown, and that the files in examples/ are the ones the cases run on.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "ProgramRun.h"
#include "ReadmeExamples.h"

namespace regforge::docs {
namespace {

namespace fs = std::filesystem;
using regforge::testsupport::filesBelow;
using regforge::testsupport::readArguments;
using regforge::testsupport::readFile;

const fs::path kSourceDir = REGFORGE_SOURCE_DIR;
const fs::path kCasesDir = kSourceDir / "tests" / "golden" / "cases";
const fs::path kExamplesDir = kSourceDir / "examples";

// The cases the README is meant to show, by their names below the golden cases.
std::set<std::string> readmeCases() {
  std::set<std::string> cases;
  for (const auto& entry : fs::recursive_directory_iterator(kCasesDir / "readme")) {
    if (entry.is_regular_file() && entry.path().filename() == "args") {
      cases.insert(fs::relative(entry.path().parent_path(), kCasesDir).generic_string());
    }
  }
  return cases;
}

class ReadmeTest : public testing::Test {
 protected:
  void SetUp() override {
    blocks_ = findMarkedBlocks(readFile(kSourceDir / "README.md"), problems_);
  }

  bool shows(const std::string& caseName, const std::string& file) const {
    for (const MarkedBlock& block : blocks_) {
      if (block.caseName == caseName && block.file == file) return true;
    }
    return false;
  }

  std::vector<MarkedBlock> blocks_;
  std::vector<std::string> problems_;
};

TEST_F(ReadmeTest, EveryMarkerStandsBeforeAFencedBlock) {
  for (const std::string& problem : problems_)
    ADD_FAILURE() << "README.md " << problem;
  EXPECT_FALSE(blocks_.empty());
}

TEST_F(ReadmeTest, EveryMarkedBlockShowsItsCaseByteForByte) {
  for (const MarkedBlock& block : blocks_) {
    SCOPED_TRACE("README.md line " + std::to_string(block.line));
    const fs::path caseDir = kCasesDir / block.caseName;
    if (!fs::is_regular_file(caseDir / "args")) {
      ADD_FAILURE() << "no test case " << block.caseName;
      continue;
    }
    if (block.file == "command") {
      const std::string command = commandLine(readArguments(caseDir / "args"));
      EXPECT_FALSE(command.empty()) << "an argument of " << block.caseName << " needs quoting";
      EXPECT_EQ(command, block.text);
      continue;
    }
    const fs::path path = caseDir / block.file;
    if (!fs::is_regular_file(path)) {
      ADD_FAILURE() << "no file " << block.file << " in " << block.caseName;
      continue;
    }
    if (block.excerpt) {
      EXPECT_TRUE(excerptMatches(block.text, readFile(path)))
          << "the excerpt is not made of whole lines of " << block.caseName << "/" << block.file
          << " in their order";
    } else {
      EXPECT_EQ(readFile(path), block.text);
    }
  }
}

TEST_F(ReadmeTest, EveryReadmeCaseShowsItsCommandAndOutputs) {
  const std::set<std::string> cases = readmeCases();
  EXPECT_FALSE(cases.empty());
  for (const std::string& caseName : cases) {
    EXPECT_TRUE(shows(caseName, "command")) << caseName << " has no command block";
    for (const std::string& file : filesBelow(kCasesDir / caseName / "out"))
      EXPECT_TRUE(shows(caseName, "out/" + file)) << caseName << " does not show out/" << file;
  }
}

TEST_F(ReadmeTest, ExampleFilesAreTheInputsOfTheReadmeCases) {
  std::set<std::string> inputs;
  for (const std::string& caseName : readmeCases()) {
    const fs::path inDir = kCasesDir / caseName / "in";
    for (const std::string& file : filesBelow(inDir)) {
      inputs.insert(file);
      EXPECT_TRUE(readFile(inDir / file) == readFile(kExamplesDir / file))
          << caseName << "/in/" << file << " differs from examples/" << file;
    }
  }
  EXPECT_EQ(filesBelow(kExamplesDir), inputs) << "every example is the input of a README case";
}

TEST_F(ReadmeTest, EveryExampleFileIsShown) {
  for (const std::string& file : filesBelow(kExamplesDir)) {
    bool shown = false;
    for (const MarkedBlock& block : blocks_)
      shown = shown || block.file == "in/" + file;
    EXPECT_TRUE(shown) << "examples/" << file << " is not shown";
  }
}

// The rules by which the page is compared, on small texts.
TEST(ReadmeExamplesTest, ExcerptMatchesWholeLinesInOrder) {
  const std::string text = "a\nb\nc\nd\ne\n";
  EXPECT_TRUE(excerptMatches("a\nb\n...\nd\n", text));
  EXPECT_TRUE(excerptMatches("  ...\nc\n  ...\n", text));
  EXPECT_TRUE(excerptMatches("a\nb\nc\nd\ne\n", text));
}

TEST(ReadmeExamplesTest, ExcerptRejectsPartsOutOfOrderOrOverlapping) {
  const std::string text = "a\nb\nc\n";
  EXPECT_FALSE(excerptMatches("c\n...\na\n", text));
  EXPECT_FALSE(excerptMatches("a\nb\n...\nb\n", text));
  EXPECT_FALSE(excerptMatches("a\nc\n", text));
}

TEST(ReadmeExamplesTest, ExcerptRejectsPartOfALine) {
  EXPECT_FALSE(excerptMatches("ab\n", "abc\n"));
  EXPECT_FALSE(excerptMatches("...\nbc\n", "abc\n"));
}

TEST(ReadmeExamplesTest, MarkedBlocksKeepTheirLinesAndFlags) {
  std::vector<std::string> problems;
  const std::vector<MarkedBlock> blocks = findMarkedBlocks(
      "text\n<!-- example: readme/x in/a.svd excerpt -->\n```xml\n<a>\n...\n```\n"
      "<!-- example: readme/x command -->\n```sh\nregforge a b\n```\n",
      problems);
  EXPECT_TRUE(problems.empty());
  ASSERT_EQ(2u, blocks.size());
  EXPECT_EQ("readme/x", blocks[0].caseName);
  EXPECT_EQ("in/a.svd", blocks[0].file);
  EXPECT_TRUE(blocks[0].excerpt);
  EXPECT_EQ("<a>\n...\n", blocks[0].text);
  EXPECT_EQ(2, blocks[0].line);
  EXPECT_EQ("command", blocks[1].file);
  EXPECT_FALSE(blocks[1].excerpt);
  EXPECT_EQ("regforge a b\n", blocks[1].text);
}

TEST(ReadmeExamplesTest, MarkerWithoutBlockIsReported) {
  std::vector<std::string> problems;
  findMarkedBlocks("<!-- example: readme/x out/a.xml -->\ntext\n", problems);
  findMarkedBlocks("<!-- example: readme/x out/a.xml -->\n```\nopen\n", problems);
  ASSERT_EQ(2u, problems.size());
  EXPECT_EQ("line 1: no fenced block after the marker", problems[0]);
  EXPECT_EQ("line 1: the block has no closing fence", problems[1]);
}

TEST(ReadmeExamplesTest, CommandLineRefusesArgumentsThatNeedQuoting) {
  EXPECT_EQ("regforge -nvic 3 in.svd out.xml\n", commandLine({"-nvic", "3", "in.svd", "out.xml"}));
  EXPECT_EQ("", commandLine({"-irqs", "A;B", "in.svd", "out.xml"}));
  EXPECT_EQ("", commandLine({"", "in.svd", "out.xml"}));
}

}  // namespace
}  // namespace regforge::docs
