// Finding the CPU element of an RDT file, and reading its instances' register files through
// a loader, within the bounds of one conversion.
#include "readers/RdtReader.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace regforge {
namespace {

class FindCpuTest : public testing::Test {
 protected:
  const XMLElement* find(const char* text, std::string_view identifier) {
    EXPECT_TRUE(document_.parse(text));
    return findCpu(document_.root(), identifier);
  }
  static std::string_view mark(const XMLElement* cpu) {
    return cpu ? cpu->attribute("n").value_or("") : "none";
  }
  XMLDocument document_{XMLDocument::Content::Dropped};
};

TEST_F(FindCpuTest, SearchesDepthFirstInPreOrder) {
  EXPECT_EQ(mark(find("<d><a><b><cpu id='X' n='1'/></b></a><cpu id='X' n='2'/></d>", "X")), "1");
  EXPECT_EQ(mark(find("<cpu id='X' n='0'><cpu id='X' n='1'/></cpu>", "X")), "0");
  EXPECT_EQ(mark(find("<d><cpu id='x' n='1'/><cpu id='X' n='2'/></d>", "X")), "2");
}

TEST_F(FindCpuTest, ANodeThatIsNoElementEndsItsLevel) {
  EXPECT_EQ(mark(find("<d><a><![CDATA[x]]><cpu id='X' n='1'/></a><cpu id='X' n='2'/></d>", "X")),
            "2");
  EXPECT_EQ(mark(find("<d><a/><![CDATA[x]]><cpu id='X' n='1'/></d>", "X")), "none");
}

TEST_F(FindCpuTest, OnlyTheStartAndItsDescendantsAreSearched) {
  ASSERT_TRUE(document_.parse("<d><a/><cpu id='X'/></d>"));
  EXPECT_EQ(findCpu(document_.root()->firstChild(), "X"), nullptr);
  EXPECT_EQ(findCpu(nullptr, "X"), nullptr);
}

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

TEST_F(RdtLoaderTest, EachInstanceLoadsItsRegisterFileAnew) {
  files_["d/r.xml"] = "<m><register id='A_X' offset='4'/></m>";
  EXPECT_FALSE(
      read("<cpu><instance id='A' xml='r.xml' xmlpath='d'/>"
           "<instance id='B' xml='r.xml' xmlpath='d'/></cpu>"));
  EXPECT_EQ(loads_, (std::vector<std::string>{"d/r.xml", "d/r.xml"}));
  std::string text;
  map_.writeTo(text);
  EXPECT_EQ(text,
            "<Root>\n"
            "  <RegisterGroup name=\"A\" start=\"\">\n"
            "    <Register name=\"X\" start=\"+4\" />\n"
            "  </RegisterGroup>\n"
            "  <RegisterGroup name=\"B\" start=\"\">\n"
            "    <Register name=\"A_X\" start=\"+4\" />\n"
            "  </RegisterGroup>\n"
            "</Root>\n");
}

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
