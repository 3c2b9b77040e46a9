// The memory-map model: element kinds, the add helpers, the pre-order search and removal.
#include "memorymap/MemoryMap.h"

#include <gtest/gtest.h>

#include "Written.h"

#include <string>

namespace regforge {
namespace {

using testsupport::written;

TEST(MemoryMapTest, TagNamesFixTheElementKind) {
  MemoryMap map;
  EXPECT_EQ(map.createMapElement("RegisterGroup")->kind(), ElementKind::RegisterGroup);
  EXPECT_EQ(map.createMapElement("Processor")->kind(), ElementKind::Processor);
  EXPECT_EQ(map.createMapElement("Vector")->kind(), ElementKind::Vector);
  EXPECT_EQ(map.createMapElement("include")->kind(), ElementKind::Other);
  EXPECT_EQ(map.createMapElement("register")->kind(), ElementKind::Other);  // case matters
}

TEST(MemoryMapTest, AddElementSetsOnlyTheTextsGiven) {
  MemoryMap map;
  MemoryMapElement* root = map.createMapElement("Root");
  map.setRoot(root);
  map.addElement(root, "Register", nullptr, nullptr, nullptr, nullptr, nullptr);
  map.addRegister(root, "0x0", nullptr, "ReadOnly", "CR", "");
  map.addRegisterGroup(root, "0x1", "4", "G", nullptr);
  map.addBitField(root, "3", "1", "EN", "bit");
  EXPECT_EQ(written(map),
            "<Root>\n"
            "  <Register/>\n"
            "  <Register access=\"ReadOnly\" description=\"\" name=\"CR\" start=\"0x0\" />\n"
            "  <RegisterGroup name=\"G\" size=\"4\" start=\"0x1\" />\n"
            "  <BitField description=\"bit\" name=\"EN\" size=\"1\" start=\"3\" />\n"
            "</Root>\n");
}

class FindElementTest : public testing::Test {
 protected:
  FindElementTest() {
    root_ = map_.createMapElement("Processor");
    map_.setRoot(root_);
    unnamed_ = map_.addRegisterGroup(root_, "0x0", nullptr, nullptr, nullptr);
    nested_ = map_.addRegisterGroup(unnamed_, "0x1", nullptr, "Inner", nullptr);
    nvic_ = map_.addRegisterGroup(root_, "0xE000E100", nullptr, "NVIC", nullptr);
  }
  MemoryMap map_;
  MemoryMapElement* root_;
  MemoryMapElement* unnamed_;
  MemoryMapElement* nested_;
  MemoryMapElement* nvic_;
};

TEST_F(FindElementTest, ComparesWithOrWithoutCase) {
  EXPECT_EQ(
      MemoryMap::findElementByAttribute(root_, ElementKind::RegisterGroup, "name", "nvic", false),
      nvic_);
  EXPECT_EQ(
      MemoryMap::findElementByAttribute(root_, ElementKind::RegisterGroup, "name", "nvic", true),
      nullptr);
}

TEST_F(FindElementTest, SearchesBelowAnElementThatLacksTheAttribute) {
  EXPECT_EQ(
      MemoryMap::findElementByAttribute(root_, ElementKind::RegisterGroup, "name", "Inner", true),
      nested_);
}

TEST_F(FindElementTest, WithoutNameOrValueTheFirstOfTheKindMatches) {
  EXPECT_EQ(MemoryMap::findElementByAttribute(root_, ElementKind::RegisterGroup, std::nullopt,
                                              std::nullopt, true),
            unnamed_);
  EXPECT_EQ(
      MemoryMap::findElementByAttribute(root_, ElementKind::Processor, "name", std::nullopt, true),
      root_);
  // The search covers from's subtree only, never its following siblings.
  EXPECT_EQ(
      MemoryMap::findElementByAttribute(unnamed_, ElementKind::RegisterGroup, "name", "NVIC", true),
      nullptr);
}

TEST_F(FindElementTest, RemoveGroupsUnlinksListedTopLevelGroupsOnly) {
  map_.removeGroups({"Inner", "NVIC"});
  EXPECT_EQ(root_->firstChild(), unnamed_);
  EXPECT_EQ(root_->lastChild(), unnamed_);
  EXPECT_EQ(unnamed_->firstChild(), nested_);  // deeper elements are never looked at
  map_.removeGroups({""});                     // a group without a name has the empty name
  EXPECT_EQ(root_->firstChild(), nullptr);
}

TEST(RemoveGroupsTest, StopsAtTheFirstChildThatIsNoElement) {
  MemoryMap map;
  MemoryMapElement* root = map.createMapElement("Root");
  map.setRoot(root);
  map.addRegisterGroup(root, nullptr, nullptr, "A", nullptr);
  root->appendChild(map.createData("text"));
  map.addRegisterGroup(root, nullptr, nullptr, "B", nullptr);
  map.removeGroups({"A", "B"});
  EXPECT_EQ(root->firstChild()->type(), XMLNode::Type::Data);
  EXPECT_EQ(root->lastChild()->toElement()->attribute("name"), "B");
}

TEST(RemoveGroupsTest, KeepsTheOrderOfWhatStays) {
  MemoryMap map;
  MemoryMapElement* root = map.createMapElement("Root");
  map.setRoot(root);
  for (const char* name : {"A", "X", "B", "X", "C", "X"})
    map.addRegisterGroup(root, nullptr, nullptr, name, nullptr);
  map.removeGroups({"X"});
  std::string names;
  for (const XMLNode* child = root->firstChild(); child; child = child->nextSibling())
    names += *child->toElement()->attribute("name");
  EXPECT_EQ(names, "ABC");
  EXPECT_EQ(root->lastChild()->toElement()->attribute("name"), "C");
}

TEST(RemoveGroupsTest, RemovingManyGroupsBehindManyOthersTakesOnePass) {
  // Unlinking each where it stood searched the list each time: seconds for this many.
  constexpr int kHalf = 100000;
  MemoryMap map;
  MemoryMapElement* root = map.createMapElement("Root");
  map.setRoot(root);
  for (int i = 0; i < 2 * kHalf; ++i)
    map.addRegisterGroup(root, nullptr, nullptr, i < kHalf ? "K" : "X", nullptr);
  map.removeGroups({"X"});
  int count = 0;
  for (const XMLNode* child = root->firstChild(); child; child = child->nextSibling())
    ++count;
  EXPECT_EQ(count, kHalf);
}

}  // namespace
}  // namespace regforge
