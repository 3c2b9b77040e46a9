#include "memorymap/Diagnostics.h"

#include <algorithm>

namespace regforge {

void Diagnostics::warn(std::string_view check, int line, std::string text) {
  if (enabled_) notice(check, line, std::move(text));
}

void Diagnostics::notice(std::string_view check, int line, std::string text) {
  ++count_;
  std::uint64_t& seen = perCheck_[{file_, std::string(check)}];
  if (++seen > kKeptPerCheck) return;
  // One warning is one line, whatever texts of the input it quotes.
  std::replace(text.begin(), text.end(), '\n', ' ');
  std::replace(text.begin(), text.end(), '\r', ' ');
  kept_.push_back({file_, line, std::string(check), std::move(text)});
}

std::string Diagnostics::takeText() {
  std::string out;
  for (const Kept& w : kept_) {
    out += w.file;
    if (w.line > 0) out += ":" + std::to_string(w.line);
    out += ": warning: " + w.text + " [" + w.check + "]\n";
  }
  for (const auto& [key, seen] : perCheck_) {
    if (seen <= kKeptPerCheck) continue;
    out += key.first + ": note: " + withThousands(seen - kKeptPerCheck) + " more like this [" +
           key.second + "]\n";
  }
  kept_.clear();
  perCheck_.clear();
  return out;
}

std::string withThousands(std::uint64_t value) {
  std::string digits = std::to_string(value);
  for (std::size_t at = digits.size(); at > 3; at -= 3)
    digits.insert(at - 3, ",");
  return digits;
}

}  // namespace regforge
