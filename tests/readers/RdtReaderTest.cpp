// Reading the register files of an RDT file's instances through a loader: what a failed load
// tells, and the bounds of one conversion. The rdt/ cases show how the CPU is found.
#include "readers/RdtReader.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace regforge {
namespace {

// Register files served from memory, by path; every load is recorded.
class RdtLoaderTest : public testing::Test {
 protected:
  std::optional<RdtLoadError> read(const char* cpuText, ReadBudget::Limits limits = {}) {
    EXPECT_TRUE(cpu_.parse(cpuText));
    const auto load = [this](XMLDocument& document,
                             const std::string& path) -> std::optional<std::uint64_t> {
      loads_.push_back(path);
      const auto found = files_.find(path);
      if (found == files_.end() || !document.parse(found->second.c_str())) return std::nullopt;
      return found->second.size();
    };
    return readRdt(map_, *cpu_.root(), load, limits);
  }
  std::size_t groups() const {
    std::size_t count = 0;
    for (const XMLNode* node = map_.root()->firstChild(); node; node = node->nextSibling())
      ++count;
    return count;
  }

  std::map<std::string, std::string> files_;
  std::vector<std::string> loads_;
  XMLDocument cpu_{XMLDocument::Content::Dropped};
  MemoryMap map_;
};

TEST_F(RdtLoaderTest, AFailedLoadGivesThePathAndTheParsersMessage) {
  files_["r.xml"] = "<m>\n<register></reg></m>";
  const std::optional<RdtLoadError> error =
      read("<cpu><instance id='A' xml='r.xml'/><instance id='B' xml='r.xml'/></cpu>");
  ASSERT_TRUE(error);
  EXPECT_FALSE(error->overBudget);
  EXPECT_EQ(error->path, "r.xml");
  EXPECT_EQ(error->line, 1);
  EXPECT_EQ(error->text, "tagName mismatch");
  EXPECT_EQ(groups(), 1u);
}

TEST_F(RdtLoaderTest, RegisterFilesReadBeyondTheBoundStopTheRead) {
  files_["r.xml"] = "<m><!--" + std::string(10000, 'x') + "--></m>";
  ReadBudget::Limits limits;
  limits.storage = 35000;
  std::string cpu = "<cpu>";
  for (int i = 0; i < 10; ++i)
    cpu += "<instance xml='r.xml'/>";
  const std::optional<RdtLoadError> error = read((cpu + "</cpu>").c_str(), limits);
  ASSERT_TRUE(error);
  EXPECT_TRUE(error->overBudget);
  EXPECT_EQ(loads_.size(), 4u);  // the fourth load passes 35000 bytes
}

TEST_F(RdtLoaderTest, AMemoryMapBeyondTheBoundStopsTheRead) {
  std::string registers = "<m>";
  for (int i = 0; i < 1000; ++i)
    registers += "<register id='R" + std::to_string(i) + "'/>";
  files_["r.xml"] = registers + "</m>";
  ReadBudget::Limits limits;
  limits.storage = 1 << 20;
  std::string cpu = "<cpu>";
  for (int i = 0; i < 1000; ++i)
    cpu += "<instance xml='r.xml'/>";
  const std::optional<RdtLoadError> error = read((cpu + "</cpu>").c_str(), limits);
  ASSERT_TRUE(error);
  EXPECT_TRUE(error->overBudget);
  EXPECT_LT(loads_.size(), 20u);
}

}  // namespace
}  // namespace regforge
