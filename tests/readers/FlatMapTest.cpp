// The index behind derivation look-ups: the first value given for a key stays, and nothing
// is lost when the table grows.
#include "readers/FlatMap.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace regforge {
namespace {

TEST(FlatMapTest, FirstValueForAKeyStays) {
  FlatMap<std::string_view, int> map;
  EXPECT_EQ(map.find("a"), nullptr);
  map.insert("a", 1);
  map.insert("a", 2);
  map.insert("", 3);
  ASSERT_NE(map.find("a"), nullptr);
  EXPECT_EQ(*map.find("a"), 1);
  EXPECT_EQ(*map.find(""), 3);
  EXPECT_EQ(map.find("b"), nullptr);
  EXPECT_EQ(map.size(), 2u);
}

TEST(FlatMapTest, EveryKeyIsFoundAfterGrowing) {
  std::vector<int> objects(5000);
  FlatMap<const int*, std::size_t> map;
  for (std::size_t i = 0; i < objects.size(); ++i)
    map.insert(&objects[i], i);
  EXPECT_EQ(map.size(), objects.size());
  for (std::size_t i = 0; i < objects.size(); ++i) {
    ASSERT_NE(map.find(&objects[i]), nullptr);
    EXPECT_EQ(*map.find(&objects[i]), i);
  }
  const int other = 0;
  EXPECT_EQ(map.find(&other), nullptr);
}

}  // namespace
}  // namespace regforge
