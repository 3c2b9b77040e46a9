// The core group generators: how core numbers outside the table classes are treated, the
// classes that share groups, the non-secure copies, and invariants that hold for every class.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "GeneratedMap.h"
#include "cortexm/CortexMSVDFile.h"

namespace regforge {
namespace {

constexpr std::int32_t kCoreNumbers[] = {0, 3,  4, 7, 23, 33,      55,     1,
                                         2, -1, 5, 9, 85, INT_MIN, INT_MAX};

// Every group of the PPB generators for one core, in the order a full run makes them.
void addCoreGroups(CortexMSVDFile& map, std::int32_t coreType, std::uint32_t nvicPrioBits,
                   bool nonSecure) {
  map.addSysTickGroup(nonSecure);
  map.addSystemControlGroups(coreType, nvicPrioBits, nonSecure);
  map.addFpuGroup(coreType, nonSecure);
  map.addMpuGroup(coreType, nonSecure);
}

std::string coreGroups(std::int32_t coreType) {
  return generatedMap([&](CortexMSVDFile& map) { addCoreGroups(map, coreType, 3, false); });
}

TEST(CoreGroupsTest, OneTwoAndNegativeNumbersAreCoreThree) {
  const std::string core3 = coreGroups(3);
  for (std::int32_t coreType : {1, 2, -1, -3, INT_MIN}) {
    EXPECT_EQ(coreGroups(coreType), core3) << coreType;
  }
}

// They take core type 4's rows but those that are core type 4's alone; the snapshot
// ppb/core9-nvic-tables shows which.
TEST(CoreGroupsTest, UnlistedNumbersAboveThreeAreOneClass) {
  EXPECT_NE(coreGroups(9), coreGroups(4));
  for (std::int32_t coreType : {5, 6, 85, INT_MAX}) {
    EXPECT_EQ(coreGroups(coreType), coreGroups(9)) << coreType;
  }
}

std::string debugGroups(std::int32_t coreType) {
  return generatedMap([&](CortexMSVDFile& map) { map.addDebugGroup(coreType); });
}

TEST(CoreGroupsTest, DebugClassesShareTheirGroups) {
  EXPECT_EQ(debugGroups(3), debugGroups(4));
  EXPECT_EQ(debugGroups(7), debugGroups(4));
  EXPECT_EQ(debugGroups(85), debugGroups(55));
  EXPECT_NE(debugGroups(55), debugGroups(33));
  for (std::int32_t coreType : {-1, 1, 9, INT_MAX}) {
    EXPECT_EQ(debugGroups(coreType), debugGroups(5)) << coreType;
  }
  EXPECT_NE(debugGroups(5), debugGroups(4));
}

// Only core types 33 and 55 have FPU rows of their own; a core told it has an FPU gets the
// common rows whatever its class.
TEST(CoreGroupsTest, FpuRowsDifferForCoreTypes33And55Only) {
  const auto fpu = [](std::int32_t coreType) {
    return generatedMap([&](CortexMSVDFile& map) { map.addFpuGroup(coreType, false); });
  };
  for (std::int32_t coreType : {0, 3, 7, 23, 9}) {
    EXPECT_EQ(fpu(coreType), fpu(4)) << coreType;
  }
  EXPECT_NE(fpu(33), fpu(4));
  EXPECT_NE(fpu(55), fpu(33));
}

// -nocmse leaves the secure groups as they are: only the twins and the SAU go.
TEST(CoreGroupsTest, TheTwinsChangeNoSecureGroup) {
  for (std::int32_t coreType : {23, 33, 55}) {
    const auto ppb = [&](bool nonSecure) {
      return generatedMap([&](CortexMSVDFile& map) {
        map.setCoreConfig(coreType, false, 3, true, true);
        map.addPpbGroups(nonSecure);
        if (nonSecure)
          map.removeGroups(
              {"NVIC_NS", "SysTick_NS", "ICB_NS", "SCB_NS", "FPU_NS", "MPU_NS", "SAU"});
      });
    };
    EXPECT_EQ(ppb(true), ppb(false)) << coreType;
  }
}

// Invariants over every class: fields inside 32 bits, register names unique in a group,
// registers inside the address block of their group.
struct Block {
  std::uint32_t first;
  std::uint32_t last;
};

std::vector<Block> blocksOf(std::string_view group) {
  const Block scs{0xE000E000, 0xE000EFFF};
  if (group == "Debug") return {scs, {0xE0001000, 0xE0002FFF}};
  if (group == "Trace") return {{0xE0000000, 0xE0000FFF}, {0xE0040000, 0xE0040FFF}};
  const bool alias = group.size() > 3 && group.substr(group.size() - 3) == "_NS";
  return {alias ? Block{0xE002E000, 0xE002EFFF} : scs};
}

void expectInvariants(const XMLElement& root, const std::string& label) {
  for (const XMLNode* g = root.firstChild(); g; g = g->nextSibling()) {
    const XMLElement& group = *g->toElement();
    const std::string_view groupName = group.attribute("name").value_or("");
    std::set<std::string_view> names;
    for (const XMLNode* r = group.firstChild(); r; r = r->nextSibling()) {
      const XMLElement& reg = *r->toElement();
      const std::string_view name = reg.attribute("name").value_or("");
      EXPECT_TRUE(names.insert(name).second) << label << ": " << groupName << " " << name;
      const std::uint32_t address = static_cast<std::uint32_t>(
          std::strtoul(std::string(reg.attribute("start").value_or("")).c_str(), nullptr, 16));
      bool inside = false;
      for (const Block& block : blocksOf(groupName))
        inside = inside || (address >= block.first && address <= block.last);
      EXPECT_TRUE(inside) << label << ": " << groupName << " " << name;
      for (const XMLNode* f = reg.firstChild(); f; f = f->nextSibling()) {
        const long start = std::strtol(
            std::string(f->toElement()->attribute("start").value_or("")).c_str(), nullptr, 10);
        const long size = std::strtol(
            std::string(f->toElement()->attribute("size").value_or("")).c_str(), nullptr, 10);
        EXPECT_TRUE(start >= 0 && size >= 0 && start + size <= 32)
            << label << ": " << name << "." << f->toElement()->attribute("name").value_or("");
      }
    }
  }
}

TEST(CoreGroupsTest, EveryClassKeepsFieldsNamesAndAddressesInBounds) {
  for (std::int32_t coreType : kCoreNumbers) {
    for (std::uint32_t bits = 0; bits <= 8; ++bits) {
      for (bool nonSecure : {false, true}) {
        CortexMSVDFile map;
        map.setRoot(map.createMapElement("Processor"));
        map.setCoreConfig(coreType, true, bits, true, true);
        addCoreGroups(map, coreType, bits, nonSecure);
        map.addSauGroup(coreType);
        map.addDebugGroup(coreType);
        expectInvariants(*map.root(), std::to_string(coreType) + "/" + std::to_string(bits));
      }
    }
  }
}

}  // namespace
}  // namespace regforge
