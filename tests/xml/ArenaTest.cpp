// How an arena takes memory from the system: small blocks while it is small, 2 MiB blocks once
// it holds or expects that much, a block of its own for a large request, and reuse after reset.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string_view>

#include "xml/Arena.h"

namespace regforge {
namespace {

constexpr std::size_t kKiB = 1024;
constexpr std::size_t kMiB = 1024 * kKiB;

// Allocates in 1 KiB pieces until the arena has handed out at least bytes; returns how many
// it handed out. Each piece is written, so that a block that isn't memory would crash.
std::size_t fill(Arena& arena, std::size_t bytes, std::size_t from = 0) {
  std::size_t used = from;
  while (used < bytes) {
    std::memset(arena.allocate(kKiB, 8), 0x5A, kKiB);
    used += kKiB;
  }
  return used;
}

TEST(ArenaTest, SmallArenasHoldLittleMoreThanTheyHandOut) {
  Arena arena;
  arena.allocate(1, 1);
  EXPECT_GT(arena.capacity(), 0u);
  EXPECT_LE(arena.capacity(), 64 * kKiB);
  // Up to 2 MiB, no block is larger than 128 KiB, so the newest one leaves at most that unused.
  for (std::size_t used = 0; used < 2 * kMiB;) {
    used = fill(arena, used + 16 * kKiB, used);
    EXPECT_LE(arena.capacity() - used, 128 * kKiB) << "after " << used << " bytes";
  }
}

TEST(ArenaTest, AnArenaHolding2MiBTakes2MiBBlocks) {
  Arena arena;
  std::size_t used = fill(arena, 2 * kMiB);
  used = fill(arena, arena.capacity(), used);  // the current block is full
  const std::size_t before = arena.capacity();
  fill(arena, used + kKiB, used);
  EXPECT_EQ(arena.capacity() - before, 2 * kMiB);
}

TEST(ArenaTest, AnExpectedMegabyteTakes2MiBBlocksAtOnce) {
  Arena large;
  large.expect(kMiB);
  large.allocate(1, 1);
  EXPECT_EQ(large.capacity(), 2 * kMiB);

  Arena small;
  small.expect(kMiB - 1);
  small.allocate(1, 1);
  EXPECT_LE(small.capacity(), 64 * kKiB);
}

TEST(ArenaTest, ALargeRequestGetsABlockOfItsOwn) {
  Arena arena;
  arena.allocate(1, 1);
  const std::size_t before = arena.capacity();
  auto* bytes = static_cast<char*>(arena.allocate(3 * kMiB, 16));
  std::memset(bytes, 0x5A, 3 * kMiB);
  EXPECT_EQ(reinterpret_cast<std::uintptr_t>(bytes) % 16, 0u);
  EXPECT_GE(arena.capacity() - before, 3 * kMiB);
}

TEST(ArenaTest, ResetKeepsTheBlocksForWhatComesNext) {
  Arena arena;
  fill(arena, 3 * kMiB);
  const std::size_t held = arena.capacity();
  arena.reset();
  fill(arena, 3 * kMiB);
  EXPECT_EQ(arena.capacity(), held);
  EXPECT_FALSE(arena.exhausted());
}

TEST(ArenaTest, CopiesEndWithANul) {
  Arena arena;
  const std::string_view copied = arena.copy(std::string_view("ab\0c", 4));
  EXPECT_EQ(copied, std::string_view("ab\0c", 4));
  EXPECT_EQ(copied.data()[4], '\0');
  EXPECT_EQ(arena.copy("").data()[0], '\0');
}

}  // namespace
}  // namespace regforge
