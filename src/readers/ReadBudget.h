// Limits on the work and the output of one SVD conversion. Array counts multiply, and derived
// elements re-read their bases, so a small file can ask for billions of registers; the reader
// then stops with a failure instead of exhausting time or memory.
#pragma once

#include <cstddef>
#include <cstdint>

namespace regforge {

/// The work one SVD conversion may do. A step is an output element made, an array copy
/// walked or an input node read on behalf of a peripheral, register, field or enumeration.
/// 2^26 steps is at most a few seconds of work and far beyond real devices (a 70 MB file
/// takes under five million); the output document may also hold at most 1 GiB, about 2^24
/// small registers.
class ReadBudget {
 public:
  static constexpr std::uint64_t kMaxSteps = std::uint64_t{1} << 26;
  static constexpr std::size_t kMaxStorage = std::size_t{1} << 30;

  /// The bounds of one conversion. The program uses the defaults; tools that run many
  /// conversions in a row (the fuzz targets) pass smaller ones.
  struct Limits {
    std::uint64_t steps = kMaxSteps;
    std::uint64_t storage = kMaxStorage;  ///< bytes of the output document
  };

  ReadBudget() = default;
  explicit ReadBudget(Limits limits) : limits_(limits) {}

  /// Spends copies times perCopy steps; false, spending nothing, when they don't fit.
  bool spend(std::uint64_t copies, std::uint64_t perCopy = 1) {
    if (!fits(copies, perCopy)) return false;
    used_ += copies * perCopy;
    return true;
  }
  std::uint64_t used() const { return used_; }
  /// Whether copies times perCopy steps would fit, spending nothing.
  bool fits(std::uint64_t copies, std::uint64_t perCopy) const {
    return perCopy == 0 || copies <= (limits_.steps - used_) / perCopy;
  }
  /// Whether an output document holding bytes may grow on.
  bool storageFits(std::uint64_t bytes) const { return bytes <= limits_.storage; }

 private:
  Limits limits_;
  std::uint64_t used_ = 0;
};

}  // namespace regforge
