// Real device headers: every one scans, and a run with a header and its device's SVD file
// writes a vector table that holds the header's interrupt names at their numbers.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "ProgramRun.h"
#include "driver/CmsisHeader.h"

namespace regforge {
namespace {

namespace fs = std::filesystem;
using testsupport::runRegforge;

const fs::path kCorpus = REGFORGE_CORPUS_DIR;
const fs::path kHeaders = kCorpus / "cmsis";

// Read in text mode, as the vector table is written: without CRs on Windows.
std::vector<std::string> readLines(const fs::path& path) {
  std::ifstream in(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);)
    lines.push_back(line);
  return lines;
}

// The header/SVD pairs of the corpus list: its last column names the SVD file, "-" for none.
std::vector<std::pair<std::string, std::string>> pairedHeaders() {
  std::vector<std::pair<std::string, std::string>> pairs;
  for (const std::string& line : readLines(kHeaders / "SOURCES.md")) {
    std::vector<std::string> cells;
    std::istringstream row(line);
    for (std::string cell; std::getline(row, cell, '|');) {
      const auto first = cell.find_first_not_of(' ');
      cells.push_back(first == std::string::npos
                          ? ""
                          : cell.substr(first, cell.find_last_not_of(' ') - first + 1));
    }
    if (cells.size() < 3 || cells[1].size() < 3 || cells[1].substr(cells[1].size() - 2) != ".h")
      continue;
    if (cells.back() != "-") pairs.emplace_back(cells[1], cells.back());
  }
  return pairs;
}

// The names a header gives, read independently of the scanner: "NAME_IRQn = number" lines
// after the SysTick line. The first name for a number counts.
std::map<long, std::string> headerInterrupts(const fs::path& header) {
  static const std::regex kLine(R"(^ *(\w+)_IRQn *= *(\d+))");
  std::map<long, std::string> names;
  bool afterSysTick = false;
  long previous = -1;
  for (const std::string& line : readLines(header)) {
    if (!afterSysTick) {
      afterSysTick = line.find("SysTick_IRQn") != std::string::npos;
      continue;
    }
    std::smatch match;
    if (!std::regex_search(line, match, kLine)) continue;
    const long number = std::stol(match[2]);
    EXPECT_GT(number, previous) << header << ": the check expects ascending numbers";
    previous = number;
    names.emplace(number, match[1]);
  }
  return names;
}

class CmsisCorpusTest : public testing::Test {
 protected:
  void SetUp() override {
    if (!fs::exists(kHeaders)) GTEST_SKIP() << "no sample corpus at " << kHeaders;
  }
};

TEST_F(CmsisCorpusTest, EveryHeaderScans) {
  int headers = 0;
  for (const auto& entry : fs::directory_iterator(kHeaders)) {
    if (entry.path().extension() != ".h") continue;
    ++headers;
    const std::optional<CmsisHeader> header =
        scanCmsisHeader(entry.path().string().c_str(), 0, false, false);
    ASSERT_TRUE(header.has_value()) << entry.path();
    EXPECT_FALSE(header->interrupts.empty()) << entry.path();
    EXPECT_LE(header->interrupts.size(), 512) << entry.path();
  }
  EXPECT_GT(headers, 0);
}

TEST_F(CmsisCorpusTest, VectorTableHoldsTheHeaderNamesAtTheirNumbers) {
  const auto pairs = pairedHeaders();
  ASSERT_FALSE(pairs.empty());
  const fs::path work = fs::temp_directory_path() / ("regforge-corpus-" + std::to_string(getpid()));
  for (const auto& [headerFile, svdFile] : pairs) {
    SCOPED_TRACE(headerFile);
    fs::remove_all(work);
    fs::create_directories(work);
    const fs::path header = kHeaders / headerFile;
    ASSERT_EQ(runRegforge(work, {"-irqs2", header.string(), "-irq-table", "v", "-pp",
                                 (kCorpus / "svd" / svdFile).string(), "map.xml"})
                  .status,
              0);

    const std::map<long, std::string> names = headerInterrupts(header);
    ASSERT_FALSE(names.empty());
    const long first = 16;  // the default start index: line i is interrupt 16 + i
    const long last = names.rbegin()->first;
    std::vector<std::string> expected;
    for (long number = first; number <= last; ++number) {
      const auto name = names.find(number);
      expected.push_back(name == names.end() ? "ISR_RESERVED"
                                             : "ISR_HANDLER " + name->second + "_IRQHandler");
    }
    EXPECT_EQ(readLines(work / "v.vec"), expected);
  }
  fs::remove_all(work);
}

}  // namespace
}  // namespace regforge
