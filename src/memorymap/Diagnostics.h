// Warnings about what a conversion did to its input: a number read as 0, a base that names
// nothing, a group that -pp left out. Readers and generators report here; only the entry
// prints. A run that does not ask for warnings pays one test of enabled() per check.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace regforge {

class Diagnostics {
 public:
  /// At most this many warnings of one check in one file are kept; the rest are counted.
  static constexpr std::uint64_t kKeptPerCheck = 10;

  /// Whether warnings are wanted. Checks that cost anything test this first.
  bool enabled() const { return enabled_; }
  void enable() { enabled_ = true; }

  /// Turns a check off: its warnings are neither kept nor counted.
  void turnOff(std::string_view check) { off_.emplace_back(check); }

  /// The file the following warnings are about (a command-line word, or "regforge").
  void setFile(std::string_view file) { file_ = file; }
  const std::string& file() const { return file_; }

  /// One warning of check about the current file; line counted from 1, 0 where none applies.
  /// Nothing happens unless enabled.
  void warn(std::string_view check, int line, std::string text) {
    warnWith(check, line, [&] { return std::move(text); });
  }
  /// As warn, with makeText() called only for a warning that is kept: a file with thousands
  /// of one warning builds ten texts.
  template <class MakeText>
  void warnWith(std::string_view check, int line, const MakeText& makeText) {
    if (enabled_ && counted(check)) keep(check, line, makeText());
  }
  /// As warnWith, for a problem that source (an input element) carries wherever the input
  /// uses it: the first report is the warning, each later one adds a place to it.
  template <class MakeText>
  void warnFrom(const void* source, std::string_view check, int line, const MakeText& makeText) {
    if (!enabled_ || addedPlace(source)) return;
    const bool kept = counted(check);
    if (kept) keep(check, line, makeText());
    sources_.emplace(source, kept ? kept_.size() - 1 : kNotKept);
  }
  /// As warn, but recorded whether or not enabled: for what an opt-in option did, which the
  /// user is told even without warnings.
  void notice(std::string_view check, int line, std::string text) {
    if (counted(check)) keep(check, line, std::move(text));
  }

  /// Warnings reported so far, the counted ones included.
  std::uint64_t count() const { return count_; }
  /// A pack converts device after device: each one's warnings count from here.
  void startRun() { runStart_ = count_; }
  /// Warnings reported since startRun(), or since the start.
  std::uint64_t runCount() const { return count_ - runStart_; }

  /// The kept warnings as "FILE:LINE: warning: TEXT [check]" lines, in line order within each
  /// run of one file's warnings, with " (in N places)" for a source used in several,
  /// then one "FILE: note: N more like this [check]" line per check and file that had more;
  /// all of them are forgotten, the count stays.
  std::string takeText();

 private:
  struct Kept {
    std::string file;
    int line;
    std::string check;
    std::string text;
    std::uint64_t places;
  };
  static constexpr std::size_t kNotKept = static_cast<std::size_t>(-1);
  /// Whether source was reported before; then one more place of its warning.
  bool addedPlace(const void* source);
  std::unordered_map<const void*, std::size_t> sources_;  // to the index in kept_, if kept
  bool enabled_ = false;
  std::vector<std::string> off_;  // checks turned off: a few names at most
  std::string file_ = "regforge";
  std::uint64_t count_ = 0;
  std::uint64_t runStart_ = 0;
  struct Tally {
    std::string file;
    std::string check;
    std::uint64_t seen;
  };
  /// Counts one warning of check in the current file; true while it is among the kept ones.
  /// A check turned off counts nothing.
  bool counted(std::string_view check);
  void keep(std::string_view check, int line, std::string text);

  std::vector<Kept> kept_;
  std::vector<Tally> tallies_;  // per file and check: a few dozen at most
};

/// value in decimal with a comma between groups of three digits: 1,360.
std::string withThousands(std::uint64_t value);

}  // namespace regforge
