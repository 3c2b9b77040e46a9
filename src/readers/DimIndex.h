// The index texts of an array, from a <dimIndex> element: a numeric range ("2-5") or a
// comma-separated list ("A,B,C").
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace regforge {

/// The index texts of one array. A range is never written out: entry i is made when asked for.
class DimIndex {
 public:
  DimIndex() = default;

  std::size_t size() const { return isRange_ ? rangeSize_ : list_.size(); }
  /// Whether the text gives more entries than the limit it was read with.
  bool cutShort() const { return cutShort_; }
  /// Appends entry i to out, or i in decimal when the index has no entry i.
  void appendEntry(std::size_t i, std::string& out) const;

 private:
  friend DimIndex parseDimIndex(std::string_view text, std::uint32_t limit);
  friend DimIndex parseStandardDimIndex(std::string_view text, std::uint32_t limit);

  std::vector<std::string_view> list_;  // views into the parsed text
  std::uint32_t rangeFirst_ = 0;
  std::size_t rangeSize_ = 0;
  bool isRange_ = false;
  bool cutShort_ = false;
};

/// Reads a dimIndex text. Split at '-' with empty parts dropped, exactly two parts make the
/// range of unsigned decimal numbers from the first to the second (empty when the first is
/// larger); otherwise the parts between commas, empty ones dropped, are taken as written.
/// Only the first limit entries are kept: an array never reads an index at or past its count,
/// so "0-4294967295" costs nothing. The list views into text.
DimIndex parseDimIndex(std::string_view text, std::uint32_t limit);

/// Reads a dimIndex text as the CMSIS-SVD standard writes it: a range of decimal numbers
/// ("3-6") or of single letters ("A-D"), else a comma-separated list whose entries are
/// trimmed of white space, empty ones dropped. Only the first limit entries are kept.
DimIndex parseStandardDimIndex(std::string_view text, std::uint32_t limit);

}  // namespace regforge
