// The index map of the SVD reader, reused scope after scope.
#include "readers/FlatMap.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace regforge {
namespace {

TEST(FlatMapTest, AClearedMapFindsNothingOldAndEverythingNew) {
  std::vector<std::string> keys;
  for (int i = 0; i < 300; ++i)
    keys.push_back("K" + std::to_string(i));
  FlatMap<std::string_view, int> map;
  for (int i = 0; i < 300; ++i)
    map.insert(keys[i], i);  // grows the table several times
  map.insert(keys[7], -1);   // the first value given stays
  ASSERT_NE(map.find(keys[7]), nullptr);
  EXPECT_EQ(*map.find(keys[7]), 7);
  map.clear();
  EXPECT_EQ(map.size(), 0u);
  for (const std::string& key : keys)
    EXPECT_EQ(map.find(key), nullptr) << key;
  for (int i = 0; i < 300; i += 3)
    map.insert(keys[i], i + 1);
  for (int i = 0; i < 300; ++i) {
    const int* found = map.find(keys[i]);
    if (i % 3 == 0) {
      ASSERT_NE(found, nullptr) << keys[i];
      EXPECT_EQ(*found, i + 1);
    } else {
      EXPECT_EQ(found, nullptr) << keys[i];
    }
  }
}

}  // namespace
}  // namespace regforge
