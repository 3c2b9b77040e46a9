// The bound on what one conversion may make: exact at its edge, and safe from overflow for the
// counts a hostile file can ask for.
#include "readers/ReadBudget.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace regforge {
namespace {

TEST(ReadBudgetTest, StepsAreSpentUpToTheLimitAndNotOneMore) {
  ReadBudget::Limits limits;
  limits.steps = 10;
  limits.storage = 100;
  ReadBudget budget(limits);
  EXPECT_TRUE(budget.spend(3, 3));  // 9
  EXPECT_FALSE(budget.spend(1, 2));
  EXPECT_EQ(budget.used(), 9u);  // a refused spend costs nothing
  EXPECT_TRUE(budget.spend(1));
  EXPECT_FALSE(budget.spend(1));
  EXPECT_TRUE(budget.spend(UINT64_MAX, 0));  // copies of nothing cost nothing
  EXPECT_TRUE(budget.storageFits(100));
  EXPECT_FALSE(budget.storageFits(101));
}

TEST(ReadBudgetTest, HugeCountsAreRefusedRatherThanWrappedAround) {
  ReadBudget budget;
  EXPECT_FALSE(budget.spend(UINT64_MAX / 2 + 1, 2));
  EXPECT_FALSE(budget.spend(4294967295u, 4294967295u));
  EXPECT_EQ(budget.used(), 0u);
}

}  // namespace
}  // namespace regforge
