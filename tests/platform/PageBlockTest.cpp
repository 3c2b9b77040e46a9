// The page block's contract: at least the bytes asked for, in whole pages, every one of them
// the block's; one owner, which a move hands on; an empty block when the system refuses.
#include "platform/PageBlock.h"

#include <gtest/gtest.h>

#include <cstring>
#include <utility>

namespace regforge {
namespace {

constexpr std::size_t kPage = 4096;  // the smallest page of both systems

TEST(PageBlockTest, AtLeastTheSizeAskedInWholePages) {
  // 3 MiB takes the path of large blocks where there is one.
  for (const std::size_t size : {std::size_t{1}, kPage, kPage + 1, std::size_t{3} << 20}) {
    const PageBlock block = PageBlock::allocate(size);
    ASSERT_FALSE(block.empty()) << size;
    EXPECT_GE(block.size(), size);
    EXPECT_EQ(block.size() % kPage, 0u) << size;
    std::memset(block.data(), 'x', block.size());
    EXPECT_EQ(block.data()[block.size() - 1], 'x');
  }
}

TEST(PageBlockTest, AMoveHandsThePagesOn) {
  PageBlock first = PageBlock::allocate(10);
  ASSERT_FALSE(first.empty());
  char* const data = first.data();
  data[0] = 'a';
  PageBlock second(std::move(first));
  EXPECT_TRUE(first.empty());
  EXPECT_EQ(first.size(), 0u);
  EXPECT_EQ(second.data(), data);
  PageBlock third = PageBlock::allocate(10);
  third = std::move(second);  // third's own pages are given back
  EXPECT_TRUE(second.empty());
  EXPECT_EQ(third.data(), data);
  EXPECT_EQ(third.data()[0], 'a');
}

TEST(PageBlockTest, ASizeBeyondTheAddressSpaceGivesAnEmptyBlock) {
  const PageBlock block = PageBlock::allocate(std::size_t{1} << 62);
  EXPECT_TRUE(block.empty());
  EXPECT_EQ(block.size(), 0u);
}

}  // namespace
}  // namespace regforge
