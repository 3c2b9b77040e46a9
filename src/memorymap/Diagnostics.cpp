// Warnings kept in order, counted per check and file, and printed as one line each.
#include "memorymap/Diagnostics.h"

#include <algorithm>
#include <tuple>

#include "text/PrintableText.h"

namespace regforge {

bool Diagnostics::counted(std::string_view check) {
  if (std::find(off_.begin(), off_.end(), check) != off_.end()) return false;
  ++count_;
  auto tally = std::find_if(tallies_.begin(), tallies_.end(), [&](const Tally& entry) {
    return entry.check == check && entry.file == file_;
  });
  if (tally == tallies_.end())
    tally = tallies_.insert(tallies_.end(), {file_, std::string(check), 0});
  return ++tally->seen <= kKeptPerCheck;
}

void Diagnostics::keep(std::string_view check, int line, std::string text) {
  // One warning is one line, whatever texts of the input it quotes, and holds no byte that
  // a terminal would obey.
  std::replace(text.begin(), text.end(), '\n', ' ');
  std::replace(text.begin(), text.end(), '\r', ' ');
  kept_.push_back({printable(file_, kPrintedTextLength), line, std::string(check),
                   printable(text, kPrintedTextLength), 1});
}

bool Diagnostics::addedPlace(const void* source) {
  const auto found = sources_.find(source);
  if (found == sources_.end()) return false;
  if (found->second != kNotKept) ++kept_[found->second].places;
  return true;
}

std::string Diagnostics::takeText() {
  // Line order within each run of one file's warnings; the command line's and the finished
  // map's stay where they came.
  for (auto run = kept_.begin(); run != kept_.end();) {
    const auto end =
        std::find_if(run, kept_.end(), [&](const Kept& w) { return w.file != run->file; });
    std::stable_sort(run, end, [](const Kept& a, const Kept& b) { return a.line < b.line; });
    run = end;
  }
  std::string out;
  for (const Kept& w : kept_) {
    out += w.file;
    if (w.line > 0) out += ":" + std::to_string(w.line);
    out += ": warning: " + w.text;
    if (w.places > 1) out += " (in " + withThousands(w.places) + " places)";
    out += " [" + w.check + "]\n";
  }
  // The notes by file, then check.
  std::sort(tallies_.begin(), tallies_.end(), [](const Tally& a, const Tally& b) {
    return std::tie(a.file, a.check) < std::tie(b.file, b.check);
  });
  for (const Tally& tally : tallies_) {
    if (tally.seen <= kKeptPerCheck) continue;
    out += printable(tally.file, kPrintedTextLength) +
           ": note: " + withThousands(tally.seen - kKeptPerCheck) + " more like this [" +
           tally.check + "]\n";
  }
  kept_.clear();
  tallies_.clear();
  sources_.clear();
  return out;
}

std::string withThousands(std::uint64_t value) {
  std::string digits = std::to_string(value);
  for (std::size_t at = digits.size(); at > 3; at -= 3)
    digits.insert(at - 3, ",");
  return digits;
}

}  // namespace regforge
