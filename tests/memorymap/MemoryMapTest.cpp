// The memory-map model: element kinds, the add helpers, the pre-order search and removal.
#include "memorymap/MemoryMap.h"

#include <gtest/gtest.h>

#include "Written.h"

#include <string>

namespace regforge {
namespace {

using testsupport::written;

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

}  // namespace
}  // namespace regforge
