// Whole outputs of the core group generators, run in-process, against reviewed data files:
// each file holds the groups that a run with "-pp -nb" makes for one core.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "GeneratedMap.h"
#include "cortexm/CortexMSVDFile.h"

namespace regforge {
namespace {

struct DataCase {
  const char* file;
  std::int32_t coreType;
  std::uint32_t nvicPrioBits;
  bool nonSecure;
  bool fpu;
  bool mpu;
};

constexpr DataCase kDataCases[] = {
    {"core-0.xml", 0, 2, false, false, true},  {"core-3.xml", 3, 3, false, false, true},
    {"core-4.xml", 4, 4, false, true, true},   {"core-7.xml", 7, 3, false, true, true},
    {"core-23.xml", 23, 2, true, false, true}, {"core-33.xml", 33, 8, true, true, true},
    {"core-55.xml", 55, 3, true, true, true},  {"core-9.xml", 9, 2, false, true, true},
};

void PrintTo(const DataCase& c, std::ostream* out) {
  *out << c.file;
}

std::string readData(const char* file) {
  std::ifstream in(std::string(REGFORGE_CORTEXM_DATA_DIR) + "/" + file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The groups in the order of a full run: the secure copy of each, then its non-secure copy.
std::string generated(const DataCase& c) {
  const std::vector<bool> views =
      c.nonSecure ? std::vector<bool>{false, true} : std::vector<bool>{false};
  return generatedMap([&](CortexMSVDFile& map) {
    for (bool view : views)
      map.addSysTickGroup(view);
    for (bool view : views)
      map.addSystemControlGroups(c.coreType, c.nvicPrioBits, view);
    for (bool view : views) {
      if (c.fpu) map.addFpuGroup(c.coreType, view);
    }
    for (bool view : views) {
      if (c.mpu) map.addMpuGroup(c.coreType, view);
    }
    if (c.mpu && c.nonSecure) map.addSauGroup(c.coreType);
    map.addDebugGroup(c.coreType);
  });
}

std::string caseName(const testing::TestParamInfo<DataCase>& info) {
  return "core" + std::to_string(info.param.coreType);
}

class CoreGroupsDataTest : public testing::TestWithParam<DataCase> {};

TEST_P(CoreGroupsDataTest, MatchesTheReviewedFile) {
  const std::string expected = readData(GetParam().file);
  ASSERT_FALSE(expected.empty()) << GetParam().file;
  EXPECT_TRUE(generated(GetParam()) == expected) << GetParam().file << " differs";
}

INSTANTIATE_TEST_SUITE_P(Cores, CoreGroupsDataTest, testing::ValuesIn(kDataCases), caseName);

}  // namespace
}  // namespace regforge
