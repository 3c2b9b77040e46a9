// The core group generators: how core numbers outside the table classes are treated, the M0+
// flag, the non-secure copies, and invariants that hold for every class.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "GeneratedMap.h"
#include "cortexm/CortexMSVDFile.h"
#include "cortexm/NonSecureAlias.h"

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

std::string coreGroups(std::int32_t coreType, bool nonSecure = false, bool cm0Plus = false) {
  return generatedMap([&](CortexMSVDFile& map) { addCoreGroups(map, coreType, 3, nonSecure); },
                      cm0Plus);
}

// text without the lines that name one of the fields, and without the register named reg.
std::string withoutRows(const std::string& text, const std::set<std::string>& fieldNames,
                        const std::string& reg) {
  std::string result;
  bool inRegister = false;
  std::size_t begin = 0;
  while (begin < text.size()) {
    const std::size_t end = text.find('\n', begin) + 1;
    const std::string line = text.substr(begin, end - begin);
    begin = end;
    if (line.find("<Register ") != std::string::npos &&
        line.find("name=\"" + reg + "\"") != std::string::npos) {
      inRegister = line.find("/>") == std::string::npos;
      continue;
    }
    if (inRegister) {
      inRegister = line.find("</Register>") == std::string::npos;
      continue;
    }
    bool named = false;
    for (const std::string& name : fieldNames)
      named = named || line.find("name=\"" + name + "\"") != std::string::npos;
    if (!named) result += line;
  }
  return result;
}

TEST(CoreGroupsTest, OneTwoAndNegativeNumbersAreCoreThree) {
  const std::string core3 = coreGroups(3);
  for (std::int32_t coreType : {1, 2, -1, -3, INT_MIN}) {
    EXPECT_EQ(coreGroups(coreType), core3) << coreType;
  }
}

TEST(CoreGroupsTest, UnlistedNumbersAboveThreeAreCoreFourWithoutThreeRows) {
  const std::string expected = withoutRows(coreGroups(4), {"DISOOFP", "DISFPCA"}, "CPACR");
  EXPECT_NE(expected, coreGroups(4));
  for (std::int32_t coreType : {5, 6, 9, 85, INT_MAX}) {
    EXPECT_EQ(coreGroups(coreType), expected) << coreType;
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

std::string aliasedStart(std::string_view start) {
  const std::uint32_t address =
      static_cast<std::uint32_t>(std::strtoul(std::string(start).c_str(), nullptr, 16));
  return aliasAddressText(address, true);
}

// Compares a non-secure group with its secure one: every name suffixed, every start aliased,
// the rest equal, the secure-only registers left out.
void expectAliasOf(const XMLElement& secure, const XMLElement& alias,
                   const std::set<std::string>& secureOnly) {
  EXPECT_EQ(std::string(alias.attribute("name").value_or("")),
            std::string(secure.attribute("name").value_or("")) + "_NS");
  EXPECT_EQ(alias.attribute("start").value_or(""), aliasedStart(*secure.attribute("start")));
  const XMLNode* a = alias.firstChild();
  for (const XMLNode* s = secure.firstChild(); s; s = s->nextSibling()) {
    const XMLElement& reg = *s->toElement();
    if (secureOnly.count(std::string(reg.attribute("name").value_or("")))) continue;
    ASSERT_NE(a, nullptr);
    const XMLElement& aliasReg = *a->toElement();
    EXPECT_EQ(std::string(aliasReg.attribute("name").value_or("")),
              std::string(reg.attribute("name").value_or("")) + "_NS");
    EXPECT_EQ(aliasReg.attribute("start").value_or(""), aliasedStart(*reg.attribute("start")));
    EXPECT_EQ(aliasReg.attribute("size"), reg.attribute("size"));
    EXPECT_EQ(aliasReg.attribute("access"), reg.attribute("access"));
    EXPECT_EQ(aliasReg.attribute("description"), reg.attribute("description"));
    std::string fields, aliasFields;
    for (const XMLNode* f = reg.firstChild(); f; f = f->nextSibling())
      fields += std::string(f->toElement()->attribute("name").value_or("")) + ";";
    for (const XMLNode* f = aliasReg.firstChild(); f; f = f->nextSibling())
      aliasFields += std::string(f->toElement()->attribute("name").value_or("")) + ";";
    EXPECT_EQ(aliasFields, fields) << reg.attribute("name").value_or("");
    a = a->nextSibling();
  }
  EXPECT_EQ(a, nullptr);
}

TEST(CoreGroupsTest, NonSecureCopyIsTheSecureCopyAliasedWithoutNsacr) {
  for (std::int32_t coreType : {23, 33, 55}) {
    CortexMSVDFile map;
    map.setRoot(map.createMapElement("Processor"));
    addCoreGroups(map, coreType, 3, false);
    const XMLNode* secureEnd = map.root()->lastChild();
    addCoreGroups(map, coreType, 3, true);
    const XMLNode* secure = map.root()->firstChild();
    const XMLNode* alias = secureEnd->nextSibling();
    for (; secure != secureEnd->nextSibling(); secure = secure->nextSibling()) {
      ASSERT_NE(alias, nullptr);
      expectAliasOf(*secure->toElement(), *alias->toElement(), {"NSACR"});
      alias = alias->nextSibling();
    }
    EXPECT_EQ(alias, nullptr);
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
